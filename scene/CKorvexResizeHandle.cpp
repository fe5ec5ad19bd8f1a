#include "scene/CKorvexResizeHandle.h"

#include "scene/CKorvexResizeHandles.h"

CKorvexResizeHandle::CKorvexResizeHandle(CKorvexResizeHandles* handleSet, int index, double side)
    : m_handleSet(handleSet)
    , m_index(index)
{
    markAsHandle();
    setData(2, QVariant::fromValue(handleSet));
    setRect(0, 0, side, side);
    setActive(false);
    setVisible(false);
}

CKorvexResizeHandle::~CKorvexResizeHandle()
{
    if (m_handleSet)
        m_handleSet->forgetHandle(this);
}

int CKorvexResizeHandle::index() const
{
    return m_index;
}

CKorvexResizeHandles* CKorvexResizeHandle::handleSet() const
{
    return m_handleSet;
}

void CKorvexResizeHandle::setActive(bool active)
{
    if (active) {
        setBrush(QColor(255, 50, 50, 255));
        setPen(QPen(QColor(0, 0, 0, 200), 1));
    } else {
        setBrush(QColor(200, 0, 0, 200));
        setPen(QPen(QColor(0, 0, 0), 1));
    }
}

void CKorvexResizeHandle::release()
{
    m_handleSet = nullptr;
}
