#include "scene/CKorvexDesignerRect.h"

#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexResizeHandles.h"

#include <QPainter>
#include <cmath>

namespace {

using H = CKorvexResizeHandles;

bool movesLeft(int handle) { return handle == H::TopLeft || handle == H::Left || handle == H::BottomLeft; }
bool movesTop(int handle) { return handle == H::TopLeft || handle == H::Top || handle == H::TopRight; }
bool movesRight(int handle) { return handle == H::TopRight || handle == H::Right || handle == H::BottomRight; }
bool movesBottom(int handle) { return handle == H::BottomLeft || handle == H::Bottom || handle == H::BottomRight; }

/// The corner that stays fixed while a corner handle is dragged, as a fitAspect anchor; -1 for edges.
int anchorForHandle(int handle)
{
    switch (handle) {
    case H::TopLeft: return CKorvexDesignerRect::BottomRightAnchor;
    case H::TopRight: return CKorvexDesignerRect::BottomLeftAnchor;
    case H::BottomLeft: return CKorvexDesignerRect::TopRightAnchor;
    case H::BottomRight: return CKorvexDesignerRect::TopLeftAnchor;
    default: return -1;
    }
}

} // namespace

CKorvexDesignerRect::CKorvexDesignerRect(QGraphicsItem* parent)
    : QGraphicsItem(parent)
{
    setFlag(QGraphicsItem::ItemIsSelectable, true);
    setAcceptHoverEvents(true);
}

CKorvexDesignerRect::~CKorvexDesignerRect()
{
    CKorvexDesignerItem::destroyCompanionOf(this);
}

QRectF CKorvexDesignerRect::boundingRect() const
{
    // Covers the widened shape too, so that thin areas can still be picked.
    return QRectF(0, 0, qMax(m_width, MinimumHitSize), qMax(m_height, MinimumHitSize));
}

QPainterPath CKorvexDesignerRect::shape() const
{
    QPainterPath path;
    path.addRect(QRectF(0, 0, qMax(m_width, MinimumHitSize), qMax(m_height, MinimumHitSize)));
    return path;
}

bool CKorvexDesignerRect::contains(const QPointF& point) const
{
    if (isDeleted())
        return false;
    return QRectF(0, 0, m_width, m_height).contains(point);
}

void CKorvexDesignerRect::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QPen pen = clampedPen();
    const double h = pen.widthF() * 0.5;
    if (m_gradientMode) {
        QLinearGradient horizontal(0, 0, m_width, 0);
        horizontal.setStops(m_gradient.stops());
        painter->fillRect(QRect(0, 0, wholeUnits(m_width), wholeUnits(m_height)), horizontal);
    } else {
        const int w = wholeUnits(m_width - h);
        const int ht = wholeUnits(m_height - h);
        painter->fillRect(QRect(0, 0, w, ht), m_brush);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRect(wholeUnits(h), wholeUnits(h), w, ht));
    }
    if (isInSelection())
        paintSelectionTint(painter);
    painter->restore();
}

QPen CKorvexDesignerRect::clampedPen() const
{
    QPen pen = m_pen;
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    const double smaller = qMin(m_width, m_height);
    if (pen.widthF() < 1.0)
        pen.setColor(Qt::transparent);
    else if (2.0 * pen.widthF() > smaller)
        pen.setWidthF(std::trunc(smaller * 0.5));
    return pen;
}

void CKorvexDesignerRect::paintSelectionTint(QPainter* painter) const
{
    painter->fillRect(QRectF(0, 0, m_width, m_height), QColor(0, 0, 255, 10));
}

CKorvexItemKind CKorvexDesignerRect::kind() const
{
    return CKorvexItemKind::Rect;
}

int CKorvexDesignerRect::type() const
{
    return Type;
}

void CKorvexDesignerRect::setPen(const QPen& pen)
{
    m_pen = pen;
    repaint();
}

void CKorvexDesignerRect::setBrush(const QBrush& brush)
{
    m_brush = brush;
    repaint();
}

QPen CKorvexDesignerRect::pen() const
{
    return m_pen;
}

QBrush CKorvexDesignerRect::brush() const
{
    return m_brush;
}

void CKorvexDesignerRect::setGradient(const QLinearGradient& gradient)
{
    m_gradient = gradient;
}

QLinearGradient CKorvexDesignerRect::gradient() const
{
    return m_gradient;
}

bool CKorvexDesignerRect::isGradientMode() const
{
    return m_gradientMode;
}

void CKorvexDesignerRect::setGradientMode(bool on)
{
    m_gradientMode = on;
    repaint();
}

void CKorvexDesignerRect::setRect(double x, double y, double w, double h)
{
    setRect(QRectF(x, y, w, h));
}

void CKorvexDesignerRect::setRect(const QRectF& rect)
{
    setPos(rect.topLeft());
    setSize(rect.width(), rect.height());
}

void CKorvexDesignerRect::setWidth(double w)
{
    setSize(w, m_height);
}

void CKorvexDesignerRect::setHeight(double h)
{
    setSize(m_width, h);
}

void CKorvexDesignerRect::setSize(double w, double h)
{
    prepareGeometryChange();
    m_width = w;
    m_height = h;
    sizeChanged();
    refreshGeometry();
}

double CKorvexDesignerRect::width() const
{
    return m_width;
}

double CKorvexDesignerRect::height() const
{
    return m_height;
}

QRectF CKorvexDesignerRect::fitAspect(const QRectF& rect, int anchor) const
{
    if (m_aspectWidth == 0.0)
        return rect;
    const double h = rect.width() * m_aspectHeight / m_aspectWidth;
    if (anchor == BottomLeftAnchor || anchor == BottomRightAnchor)
        return QRectF(rect.left(), rect.bottom() - h, rect.width(), h);
    return QRectF(rect.left(), rect.top(), rect.width(), h);
}

QRectF CKorvexDesignerRect::sceneRect() const
{
    return QRectF(scenePos(), QSizeF(m_width, m_height));
}

void CKorvexDesignerRect::beginResize()
{
    m_resizing = true;
    m_resizeStart = sceneRect();
    setAspect(m_resizeStart.width(), m_resizeStart.height());
}

void CKorvexDesignerRect::endResize()
{
    m_resizing = false;
}

void CKorvexDesignerRect::moveHandle(int handle, const QPointF& p)
{
    if (!m_resizing || handle < 0 || handle >= H::Count)
        return;
    const int step = handle == H::TopLeft ? 0 : snapStep();
    QRectF rect = minimumSizeClamped(handle, m_resizeStart, p, step);
    if (!(rect.width() > 0 && rect.height() > 0))
        return;
    const int anchor = anchorForHandle(handle);
    if (m_aspectLocked && anchor >= 0)
        rect = fitAspect(rect, anchor);
    setPos(rect.topLeft());
    setSize(rect.width(), rect.height());
}

QRectF CKorvexDesignerRect::minimumSizeClamped(int handle, const QRectF& start, QPointF p, int step)
{
    double left = start.left();
    double top = start.top();
    double right = start.right();
    double bottom = start.bottom();
    if (movesLeft(handle))
        left = (step > 0 && right - p.x() < step) ? right - step : p.x();
    if (movesRight(handle))
        right = (step > 0 && p.x() - left < step) ? left + step : p.x();
    if (movesTop(handle))
        top = (step > 0 && bottom - p.y() < step) ? bottom - step : p.y();
    if (movesBottom(handle))
        bottom = (step > 0 && p.y() - top < step) ? top + step : p.y();
    return QRectF(left, top, right - left, bottom - top);
}

void CKorvexDesignerRect::setAspectLocked(bool locked)
{
    m_aspectLocked = locked;
}

void CKorvexDesignerRect::setAspect(double w, double h)
{
    m_aspectWidth = w;
    m_aspectHeight = h;
}

void CKorvexDesignerRect::repaint()
{
    update();
}

void CKorvexDesignerRect::refreshGeometry()
{
    prepareGeometryChange();
    update();
}

void CKorvexDesignerRect::sizeChanged()
{
}

QFont CKorvexDesignerRect::captionFont() const
{
    QFont font;
    font.setWeight(75);
    font.setPointSize(qMax(1, wholeUnits(9 * zoomFactor())));
    return font;
}

void CKorvexDesignerRect::drawCaption(QPainter* painter, const QRectF& area, const QString& text) const
{
    painter->save();
    painter->setFont(captionFont());
    painter->setPen(QColor(0, 0, 0));
    painter->drawText(area, Qt::AlignCenter, text);
    painter->restore();
}

int CKorvexDesignerRect::wholeUnits(double value)
{
    constexpr double limit = 1000000000.0;
    if (std::isnan(value))
        return 0;
    return int(std::trunc(qBound(-limit, value, limit)));
}

bool CKorvexDesignerRect::isInSelection() const
{
    CKorvexDesignerContext* context = CKorvexDesignerContext::of(scene());
    CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(this);
    return context && companion && context->isSelectionShown() && context->selection().contains(companion);
}

int CKorvexDesignerRect::snapStep() const
{
    CKorvexDesignerContext* context = CKorvexDesignerContext::of(scene());
    return context ? context->snapStep() : 1;
}

double CKorvexDesignerRect::zoomFactor() const
{
    const CKorvexDesignerContext* context = CKorvexDesignerContext::of(scene());
    return context ? context->zoomCompensation() : 1.0;
}
