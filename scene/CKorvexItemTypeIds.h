#pragma once

#include <QGraphicsItem>

/// The graphics type ids of our page items. A line, a 3D area and a label report the id of
/// the kind they are built on.
namespace CKorvexItemTypeIds {

enum : int {
    /// Rectangles and lines.
    Rect = QGraphicsItem::UserType + 1,
    /// Images and 3D areas.
    Image = QGraphicsItem::UserType + 3,
    Screen = QGraphicsItem::UserType + 4,
    FormTextBox = QGraphicsItem::UserType + 5,
    /// Texts and labels.
    Text = QGraphicsItem::UserType + 6315,
};

} // namespace CKorvexItemTypeIds
