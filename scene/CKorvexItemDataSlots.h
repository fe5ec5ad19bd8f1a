#pragma once

/// The QGraphicsItem data slots our items use, listed together so that no two uses of one item share one.
namespace CKorvexItemDataSlots {

enum : int {
    /// On a text item a text tool just made: 1 until its text is first edited.
    NewText = 0,
    /// On a page item of another kind than ours: its CKorvexDesignerItem companion.
    Companion = 3,
};

} // namespace CKorvexItemDataSlots
