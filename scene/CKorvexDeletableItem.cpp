#include "scene/CKorvexDeletableItem.h"

CKorvexDeletableItem::~CKorvexDeletableItem() = default;

bool CKorvexDeletableItem::isDeleted() const
{
    return m_deleted;
}

void CKorvexDeletableItem::setDeleted(bool deleted)
{
    m_deleted = deleted;
}
