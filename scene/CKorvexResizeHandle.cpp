#include "scene/CKorvexResizeHandle.h"

#include "scene/CKorvexHandleSprites.h"
#include "scene/CKorvexItemDataSlots.h"
#include "scene/CKorvexResizeHandles.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

namespace {

constexpr double squareSide = 10.0;

} // namespace

CKorvexResizeHandle::CKorvexResizeHandle(CKorvexResizeHandles* handleSet, int index, double side)
    : m_handleSet(handleSet)
    , m_index(index)
{
    setData(CKorvexItemDataSlots::HandleMarker, HandleMarker);
    setData(CKorvexItemDataSlots::HandleSet, QVariant::fromValue(handleSet));
    setRect(0, 0, side, side);
    setActive(false);
    setVisible(false);
}

CKorvexResizeHandle::~CKorvexResizeHandle()
{
    if (m_handleSet)
        m_handleSet->forgetHandle(this);
}

QRectF CKorvexResizeHandle::boundingRect() const
{
    const double f = zoomFactor();
    return QRectF(0, 0, qMax(width(), MinimumHitSize) * f, qMax(height(), MinimumHitSize) * f);
}

QPainterPath CKorvexResizeHandle::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}

bool CKorvexResizeHandle::contains(const QPointF& point) const
{
    if (isDeleted())
        return false;
    return square().contains(point);
}

void CKorvexResizeHandle::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF drawn = square();
    const QTransform device = painter->worldTransform();
    if (device.type() <= QTransform::TxTranslate && painter->paintEngine()
        && painter->paintEngine()->type() == QPaintEngine::Raster) {
        // Thousands of handles show on a selected page: each is blended from one drawing made at
        // the same place within a pixel, which is what drawing it there would give.
        const QPointF at = device.map(drawn.topLeft());
        const QPoint whole(int(std::floor(at.x())), int(std::floor(at.y())));
        const QImage sprite = CKorvexHandleSprites::sprite(drawn.size(), at - whole, pen(), brush());
        painter->setWorldTransform(QTransform());
        painter->drawImage(whole - QPoint(CKorvexHandleSprites::Margin, CKorvexHandleSprites::Margin), sprite);
        painter->setWorldTransform(device);
        return;
    }
    // The scene keeps the painter's state around each item.
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(pen());
    painter->setBrush(brush());
    painter->drawRect(drawn);
}

QRectF CKorvexResizeHandle::sceneRect() const
{
    const double f = zoomFactor();
    return QRectF(scenePos(), QSizeF(width() * f, height() * f));
}

QRectF CKorvexResizeHandle::square() const
{
    const double side = squareSide * zoomFactor();
    QRectF square(0, 0, side, side);
    square.moveCenter(boundingRect().center());
    return square;
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
    // Made once: a selection of thousands of items makes eight handles for each.
    static const QBrush activeBrush(QColor(255, 50, 50, 255));
    static const QPen activePen(QColor(0, 0, 0, 200), 1);
    static const QBrush normalBrush(QColor(200, 0, 0, 200));
    static const QPen normalPen(QColor(0, 0, 0), 1);
    setBrush(active ? activeBrush : normalBrush);
    setPen(active ? activePen : normalPen);
}

void CKorvexResizeHandle::release()
{
    m_handleSet = nullptr;
}
