#pragma once

class CKorvexDesignerProperty;

/// What the scene asks of the property panel; the panel in the dock implements it.
class CKorvexPropertyPanel
{
public:
    virtual ~CKorvexPropertyPanel();

    /// Shows a copy of an item's record; an empty record shows no item.
    virtual void showProperties(const CKorvexDesignerProperty& record) = 0;
    /// Opens the main editor of the item shown last (colour, picture, text).
    virtual void openItemEditor() = 0;
    virtual bool hasPendingChange() const = 0;
    virtual void setPendingChange(bool pending) = 0;
};
