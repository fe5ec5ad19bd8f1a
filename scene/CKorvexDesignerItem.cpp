#include "scene/CKorvexDesignerItem.h"

#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexGridSnap.h"
#include "io/CKorvexPropertyKeys.h"
#include "scene/CKorvexItemDataSlots.h"
#include "scene/CKorvexResizeHandles.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <cmath>

namespace {

constexpr double samePageTolerance = 1e-6;

bool isTextKind(const QString& type)
{
    return type == CKorvexItemTypes::Text || type == CKorvexItemTypes::Label || type == CKorvexItemTypes::Link;
}

double wholePenWidth(double scaled)
{
    return scaled < 1.0 ? 1.0 : std::trunc(scaled);
}

} // namespace

CKorvexDesignerItem::CKorvexDesignerItem(QGraphicsScene* scene)
    : m_scene(scene)
    , m_context(CKorvexDesignerContext::of(scene))
{
    m_record.setOwner(this);
    if (m_context)
        m_context->companions().append(this);
}

CKorvexDesignerItem::~CKorvexDesignerItem()
{
    if (m_context) {
        QList<CKorvexDesignerItem*>& registry = m_context->companions();
        const int at = registry.lastIndexOf(this);
        if (at >= 0)
            registry.removeAt(at);
        m_context->selection().remove(this);
        m_context->forgetHandleSync(this);
        if (m_item && m_context->pressItem() == m_item)
            m_context->setPressItem(nullptr);
    }
    if (auto* ours = dynamic_cast<CKorvexDeletableItem*>(m_item)) {
        if (ours->companion() == this)
            ours->setCompanion(nullptr);
    }
    if (m_item)
        m_item->setData(CKorvexItemDataSlots::Companion, QVariant());
}

void CKorvexDesignerItem::attach(QGraphicsItem* item, const QPointF& position)
{
    m_item = item;
    if (!item)
        return;
    item->setPos(snapped(position));
    item->setFlag(QGraphicsItem::ItemIsSelectable, true);
    if (m_handles)
        m_handles->attach(item);
    item->setData(CKorvexItemDataSlots::Companion, QVariant::fromValue(static_cast<QObject*>(this)));
    // Looked up far more often than set: our items also hold it themselves, since the data slots
    // of every item share one table.
    if (auto* ours = dynamic_cast<CKorvexDeletableItem*>(item))
        ours->setCompanion(this);
}

QGraphicsItem* CKorvexDesignerItem::item() const
{
    return m_item;
}

CKorvexDesignerItem* CKorvexDesignerItem::companionOf(const QGraphicsItem* item)
{
    if (!item)
        return nullptr;
    if (const auto* ours = dynamic_cast<const CKorvexDeletableItem*>(item))
        return ours->companion();
    return qobject_cast<CKorvexDesignerItem*>(item->data(CKorvexItemDataSlots::Companion).value<QObject*>());
}

void CKorvexDesignerItem::destroyCompanionOf(QGraphicsItem* item)
{
    CKorvexDesignerItem* companion = companionOf(item);
    if (!companion || companion->m_item != item)
        return;
    delete companion;
}

CKorvexDesignerProperty CKorvexDesignerItem::record() const
{
    return m_record;
}

void CKorvexDesignerItem::setRecord(const CKorvexDesignerProperty& record)
{
    m_record = record;
    m_record.setOwner(this);
    m_hasRecord = true;
}

bool CKorvexDesignerItem::hasRecord() const
{
    return m_hasRecord;
}

QString CKorvexDesignerItem::recordType() const
{
    return m_record.value(CKorvexPropertyKeys::Type).toString().toLower();
}

CKorvexResizeHandles* CKorvexDesignerItem::handles() const
{
    if (!m_handles) {
        m_handles = std::make_unique<CKorvexResizeHandles>(m_item && m_item->scene() ? m_item->scene() : m_scene);
        if (m_item)
            m_handles->attach(m_item);
        m_handles->show(m_selected);
    }
    return m_handles.get();
}

void CKorvexDesignerItem::syncHandlesLater()
{
    QGraphicsScene* scene = m_item && m_item->scene() ? m_item->scene() : m_scene;
    if (m_context)
        m_context->requestHandleSync(this, scene);
    else
        QMetaObject::invokeMethod(this, [this] { syncHandles(); }, Qt::QueuedConnection);
}

void CKorvexDesignerItem::syncHandles()
{
    if (m_selected) {
        handles();
        return;
    }
    if (!m_handles)
        return;
    // The scene may still point at the handle that was pressed last.
    auto* scene = qobject_cast<CKorvexDesignerScene*>(m_item ? m_item->scene() : nullptr);
    if (scene && CKorvexResizeHandles::of(scene->currentItem()) == m_handles.get())
        scene->setCurrentItem(m_item);
    m_handles.reset();
}

void CKorvexDesignerItem::placeHandles(int skip)
{
    if (m_handles)
        m_handles->place(skip);
}

bool CKorvexDesignerItem::isSelected() const
{
    return m_selected;
}

void CKorvexDesignerItem::setSelected(bool selected)
{
    const auto* deletable = dynamic_cast<const CKorvexDeletableItem*>(m_item);
    if (selected && deletable && deletable->isDeleted())
        return;
    m_selected = selected;
    if (m_context && selected)
        m_context->selection().insert(this);
    else if (m_context)
        m_context->selection().remove(this);
    if (m_item)
        m_item->setSelected(selected);
    if (m_handles) {
        m_handles->show(selected);
        m_handles->place();
    }
    if (m_handles ? !selected : selected)
        syncHandlesLater();
}

QPointF CKorvexDesignerItem::lastDragPosition() const
{
    return m_lastDragPosition;
}

void CKorvexDesignerItem::setLastDragPosition(const QPointF& position)
{
    m_lastDragPosition = position;
}

bool CKorvexDesignerItem::isDraggable(const QGraphicsSceneMouseEvent* event) const
{
    return event && event->buttons() == Qt::LeftButton && m_item;
}

QPointF CKorvexDesignerItem::snapped(const QPointF& point) const
{
    return CKorvexGridSnap::snap(point, m_context ? m_context->snapStep() : 1);
}

void CKorvexDesignerItem::mousePress(QGraphicsSceneMouseEvent* event)
{
    if (isDraggable(event))
        m_lastDragPosition = snapped(event->scenePos());
}

void CKorvexDesignerItem::mouseMove(QGraphicsSceneMouseEvent* event)
{
    if (isDraggable(event))
        dragTo(snapped(event->scenePos()));
}

void CKorvexDesignerItem::dragTo(const QPointF& snappedPoint)
{
    const QPointF delta = snappedPoint - m_lastDragPosition;
    if (delta.isNull() || !m_item)
        return;
    m_item->moveBy(delta.x(), delta.y());
    m_lastDragPosition = snappedPoint;
    takeGeometrySnapshot();
    placeHandles();
}

void CKorvexDesignerItem::refresh()
{
    placeHandles();
    if (m_item)
        m_item->update();
}

void CKorvexDesignerItem::takeGeometrySnapshot()
{
    takeGeometrySnapshot(pageSizeOf(m_item ? m_item->scene() : nullptr));
}

void CKorvexDesignerItem::takeGeometrySnapshot(const QSizeF& pageSize)
{
    if (!m_item)
        return;
    CKorvexGeometrySnapshot snapshot;
    snapshot.x = m_item->scenePos().x();
    snapshot.y = m_item->scenePos().y();
    snapshot.pageWidth = pageSize.width();
    snapshot.pageHeight = pageSize.height();
    const QString type = recordType();
    const auto* rect = dynamic_cast<const CKorvexDesignerRect*>(m_item);
    if (type == CKorvexItemTypes::Line) {
        if (const auto* line = dynamic_cast<const CKorvexDesignerLine*>(m_item)) {
            snapshot.width = line->end().x();
            snapshot.height = line->end().y();
            snapshot.penWidth = line->pen().widthF();
        }
    } else if (rect && (type == CKorvexItemTypes::Rect || type == CKorvexItemTypes::Image
                        || type == CKorvexItemTypes::Area3D)) {
        snapshot.width = rect->width();
        snapshot.height = rect->height();
        if (type == CKorvexItemTypes::Rect)
            snapshot.penWidth = rect->pen().widthF();
    } else if (isTextKind(type)) {
        snapshot.width = m_item->boundingRect().width();
        snapshot.height = m_item->boundingRect().height();
    }
    m_snapshot = snapshot;
}

void CKorvexDesignerItem::rescaleToPage()
{
    rescaleToPage(pageSizeOf(m_item ? m_item->scene() : nullptr));
}

void CKorvexDesignerItem::rescaleToPage(const QSizeF& pageSize)
{
    if (!m_item)
        return;
    CKorvexGeometrySnapshot scaled = m_snapshot;
    const bool samePage = std::abs(pageSize.width() - m_snapshot.pageWidth) < samePageTolerance
                       && std::abs(pageSize.height() - m_snapshot.pageHeight) < samePageTolerance;
    if (!samePage) {
        if (!(m_snapshot.pageWidth > 0.0 && m_snapshot.pageHeight > 0.0)) {
            placeHandles();
            return;
        }
        const double sx = pageSize.width() / m_snapshot.pageWidth;
        const double sy = pageSize.height() / m_snapshot.pageHeight;
        scaled.x *= sx;
        scaled.width *= sx;
        scaled.y *= sy;
        scaled.height *= sy;
        scaled.penWidth *= qMin(sx, sy);
    }
    applyScaledGeometry(scaled);
    placeHandles();
}

void CKorvexDesignerItem::applyScaledGeometry(const CKorvexGeometrySnapshot& scaled)
{
    const QString type = recordType();
    auto* rect = dynamic_cast<CKorvexDesignerRect*>(m_item);
    if (type == CKorvexItemTypes::Line) {
        if (auto* line = dynamic_cast<CKorvexDesignerLine*>(m_item)) {
            line->setPos(scaled.x, scaled.y);
            line->setEnd(scaled.width, scaled.height);
            QPen pen = line->pen();
            pen.setWidthF(wholePenWidth(scaled.penWidth));
            line->setPen(pen);
        }
    } else if (rect && (type == CKorvexItemTypes::Rect || type == CKorvexItemTypes::Area3D)) {
        rect->setRect(scaled.x, scaled.y, scaled.width, scaled.height);
        if (type == CKorvexItemTypes::Rect) {
            QPen pen = rect->pen();
            pen.setWidthF(wholePenWidth(scaled.penWidth));
            rect->setPen(pen);
        }
    } else if (rect && type == CKorvexItemTypes::Image) {
        rect->beginResize();
        rect->setRect(scaled.x, scaled.y, scaled.width, scaled.height);
        rect->endResize();
    } else if (isTextKind(type)) {
        m_item->setPos(scaled.x, scaled.y);
    }
}

QSizeF CKorvexDesignerItem::pageSizeOf(const QGraphicsScene* scene)
{
    if (!scene)
        return QSizeF();
    // Asked once per item built: scanning every item each time made opening a page quadratic.
    if (const auto* designer = qobject_cast<const CKorvexDesignerScene*>(scene)) {
        if (const CKorvexDesignerScreen* screen = designer->screen())
            return QSizeF(screen->width(), screen->height());
    }
    const QList<QGraphicsItem*> items = scene->items();
    for (const QGraphicsItem* item : items) {
        if (const auto* screen = dynamic_cast<const CKorvexDesignerScreen*>(item))
            return QSizeF(screen->width(), screen->height());
    }
    return QSizeF();
}
