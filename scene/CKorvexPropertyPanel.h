#pragma once

class QGraphicsItem;

/// What the scene asks of the property panel; the panel in the dock implements it.
class CKorvexPropertyPanel
{
public:
    virtual ~CKorvexPropertyPanel();

    /// Shows the record of item (null: no item).
    virtual void showItem(QGraphicsItem* item) = 0;
    /// Shows the current item's record again after its item changed underneath.
    virtual void refresh() = 0;
    /// Opens the editor of an item (the text editor of a label, the picture of an image).
    virtual void openEditor(QGraphicsItem* item) = 0;
    virtual bool hasPendingChange() const = 0;
    virtual void setPendingChange(bool pending) = 0;
};
