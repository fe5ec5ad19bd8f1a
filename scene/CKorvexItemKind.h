#pragma once

/// The kinds of page item, each with its own record keys; an item tells its own through
/// CKorvexDeletableItem::kind(), so the record builder and applier need no cast chain.
enum class CKorvexItemKind { None, Line, Rect, Image, Area3D, FormTextBox, Screen, Label };
