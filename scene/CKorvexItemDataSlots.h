#pragma once

/// The QGraphicsItem data slots our items use, listed together so that no two uses of one item share one.
namespace CKorvexItemDataSlots {

enum : int {
    /// On a resize handle: CKorvexResizeHandle::HandleMarker.
    HandleMarker = 0,
    /// On a text item a text tool just made: 1 until its text is first edited.
    NewText = 0,
    /// On a resize handle: its CKorvexResizeHandles set.
    HandleSet = 2,
    /// On a page item: its CKorvexDesignerItem companion.
    Companion = 3,
};

} // namespace CKorvexItemDataSlots
