#pragma once

#include "scene/CKorvexItemKind.h"

class CKorvexDesignerItem;
class QGraphicsItem;

/// Mix-in of page items that deletion hides instead of destroying, so that undo can bring them back;
/// each item also tells its kind and holds its companion.
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

    /// The companion attached to this item, if any.
    CKorvexDesignerItem* companion() const { return m_companion; }
    void setCompanion(CKorvexDesignerItem* companion) { m_companion = companion; }

private:
    bool m_deleted = false;
    CKorvexDesignerItem* m_companion = nullptr;
};
