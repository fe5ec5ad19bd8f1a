#pragma once

/// Mix-in of page items that deletion hides instead of destroying, so that undo can bring them back.
class CKorvexDeletableItem
{
public:
    virtual ~CKorvexDeletableItem();

    bool isDeleted() const;
    void setDeleted(bool deleted);

private:
    bool m_deleted = false;
};
