#include "scene/CKorvexResizeHandles.h"

#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexItemDataSlots.h"
#include "scene/CKorvexResizeHandle.h"

#include <QGraphicsScene>

CKorvexResizeHandles::CKorvexResizeHandles(QGraphicsScene* scene)
{
    CKorvexDesignerContext* context = CKorvexDesignerContext::of(scene);
    const double side = sideForGrid(context ? context->gridSize() : 1);
    for (int i = 0; i < Count; ++i) {
        m_handles[i] = new CKorvexResizeHandle(this, i, side);
        m_handles[i]->setZValue(ShownZValue);
        if (scene)
            scene->addItem(m_handles[i]);
    }
}

CKorvexResizeHandles::~CKorvexResizeHandles()
{
    for (CKorvexResizeHandle*& handle : m_handles) {
        CKorvexResizeHandle* doomed = handle;
        handle = nullptr;
        if (doomed) {
            doomed->release();
            delete doomed;
        }
    }
}

void CKorvexResizeHandles::attach(QGraphicsItem* target)
{
    m_target = target;
    QGraphicsScene* scene = target ? target->scene() : nullptr;
    for (CKorvexResizeHandle* handle : m_handles) {
        if (handle && scene && !handle->scene())
            scene->addItem(handle);
    }
    place();
}

QGraphicsItem* CKorvexResizeHandles::target() const
{
    return m_target;
}

void CKorvexResizeHandles::show(bool visible)
{
    const bool lineTarget = dynamic_cast<CKorvexDesignerLine*>(m_target) != nullptr;
    for (CKorvexResizeHandle* handle : m_handles) {
        if (!handle)
            continue;
        const bool endPoint = handle->index() == TopLeft || handle->index() == BottomRight;
        handle->setVisible(visible && (endPoint || !lineTarget));
        handle->setZValue(ShownZValue);
    }
}

bool CKorvexResizeHandles::anyVisible() const
{
    for (const CKorvexResizeHandle* handle : m_handles) {
        if (handle && handle->isVisible())
            return true;
    }
    return false;
}

void CKorvexResizeHandles::place(int skip)
{
    if (!m_target)
        return;
    bool lineTarget = false;
    const std::array<QPointF, Count> points = handlePoints(&lineTarget);
    const CKorvexDesignerContext* context = CKorvexDesignerContext::of(m_target->scene());
    const double f = context ? context->zoomCompensation() : 1.0;
    for (int i = 0; i < Count; ++i) {
        CKorvexResizeHandle* handle = m_handles[i];
        if (!handle || i == skip || (lineTarget && i != TopLeft && i != BottomRight))
            continue;
        const double half = handle->width() * f / 2.0;
        handle->setPos(points[i] - QPointF(half, half));
    }
}

std::array<QPointF, CKorvexResizeHandles::Count> CKorvexResizeHandles::handlePoints(bool* lineTarget) const
{
    std::array<QPointF, Count> points;
    if (const auto* line = dynamic_cast<const CKorvexDesignerLine*>(m_target)) {
        *lineTarget = true;
        points[TopLeft] = line->scenePos();
        points[BottomRight] = line->end();
        return points;
    }
    const QPointF origin = m_target->scenePos();
    QSizeF size = m_target->sceneBoundingRect().size();
    if (const auto* rect = dynamic_cast<const CKorvexDesignerRect*>(m_target))
        size = QSizeF(rect->width(), rect->height());
    const double x = origin.x();
    const double y = origin.y();
    const double w = size.width();
    const double h = size.height();
    points = {QPointF(x, y),         QPointF(x + w / 2, y),     QPointF(x + w, y),
              QPointF(x, y + h / 2), QPointF(x + w, y + h / 2), QPointF(x, y + h),
              QPointF(x + w / 2, y + h), QPointF(x + w, y + h)};
    return points;
}

void CKorvexResizeHandles::setHandleSide(double side)
{
    const double clamped = qMax(side, 10.0);
    for (CKorvexResizeHandle* handle : m_handles) {
        if (handle)
            handle->setRect(handle->pos().x(), handle->pos().y(), clamped, clamped);
    }
    place();
}

double CKorvexResizeHandles::sideForGrid(int gridStep)
{
    return qMax(double(gridStep), 10.0);
}

CKorvexResizeHandle* CKorvexResizeHandles::handle(int index) const
{
    return index >= 0 && index < Count ? m_handles[index] : nullptr;
}

int CKorvexResizeHandles::indexOf(const QGraphicsItem* item) const
{
    for (int i = 0; i < Count; ++i) {
        if (m_handles[i] && m_handles[i] == item)
            return i;
    }
    return -1;
}

void CKorvexResizeHandles::setActiveHandle(int index)
{
    for (CKorvexResizeHandle* handle : m_handles) {
        if (handle)
            handle->setActive(handle->index() == index);
    }
}

CKorvexResizeHandles* CKorvexResizeHandles::of(const QGraphicsItem* handleItem)
{
    namespace Slot = CKorvexItemDataSlots;
    if (!handleItem || handleItem->data(Slot::HandleMarker).toInt() != CKorvexResizeHandle::HandleMarker)
        return nullptr;
    return handleItem->data(Slot::HandleSet).value<CKorvexResizeHandles*>();
}

void CKorvexResizeHandles::forgetHandle(CKorvexResizeHandle* handle)
{
    for (CKorvexResizeHandle*& slot : m_handles) {
        if (slot == handle)
            slot = nullptr;
    }
}
