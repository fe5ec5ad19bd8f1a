#pragma once

#include "scene/CKorvexItemKind.h"

class QGraphicsItem;

/// Mix-in of page items that deletion hides instead of destroying, so that undo can bring them back;
/// each item also tells its kind.
class CKorvexDeletableItem
{
public:
    virtual ~CKorvexDeletableItem();

    bool isDeleted() const;
    void setDeleted(bool deleted);

    /// None unless a kind with a record of its own says otherwise.
    virtual CKorvexItemKind kind() const;
    /// The kind of any graphics item: None for items that are not ours.
    static CKorvexItemKind kindOf(const QGraphicsItem* item);

private:
    bool m_deleted = false;
};
