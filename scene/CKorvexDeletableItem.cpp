#include "scene/CKorvexDeletableItem.h"

#include <QGraphicsItem>

CKorvexDeletableItem::~CKorvexDeletableItem() = default;

bool CKorvexDeletableItem::isDeleted() const
{
    return m_deleted;
}

void CKorvexDeletableItem::setDeleted(bool deleted)
{
    m_deleted = deleted;
}

CKorvexItemKind CKorvexDeletableItem::kind() const
{
    return CKorvexItemKind::None;
}

CKorvexItemKind CKorvexDeletableItem::kindOf(const QGraphicsItem* item)
{
    const auto* ours = dynamic_cast<const CKorvexDeletableItem*>(item);
    return ours ? ours->kind() : CKorvexItemKind::None;
}
