#include "scene/CKorvexDesignerLine.h"

#include "scene/CKorvexResizeHandles.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <cmath>

namespace {

constexpr double straightTolerance = 1e-12;

double snapTiny(double value)
{
    return std::abs(value) < straightTolerance ? 0.0 : value;
}

} // namespace

CKorvexDesignerLine::CKorvexDesignerLine(QGraphicsItem* parent)
    : CKorvexDesignerRect(parent)
{
    setSize(100, 0);
}

QPointF CKorvexDesignerLine::offset() const
{
    return QPointF(snapTiny(width()), snapTiny(height()));
}

double CKorvexDesignerLine::hitMargin() const
{
    const double penWidth = pen().widthF();
    return penWidth < 11 ? penWidth + 10 : penWidth / 2;
}

QRectF CKorvexDesignerLine::boundingRect() const
{
    const double m = hitMargin();
    return QRectF(QPointF(0, 0), offset()).normalized().adjusted(-m, -m, m, m);
}

QPainterPath CKorvexDesignerLine::shape() const
{
    const double m = hitMargin();
    const QPointF d = offset();
    QPainterPath path;
    if (d.isNull()) {
        path.addRect(QRectF(-m, -m, 2 * m, 2 * m));
        return path;
    }
    QPainterPath line;
    line.lineTo(d);
    QPainterPathStroker stroker;
    stroker.setWidth(2 * m);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line);
}

bool CKorvexDesignerLine::contains(const QPointF& point) const
{
    return !isDeleted() && shape().contains(point);
}

CKorvexItemKind CKorvexDesignerLine::kind() const
{
    return CKorvexItemKind::Line;
}

void CKorvexDesignerLine::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    QPen linePen = pen();
    linePen.setCapStyle(Qt::FlatCap);
    painter->setPen(linePen);
    painter->setBrush(brush());
    const QPointF d = offset();
    if (d.isNull()) {
        // A flat-capped line of no length draws nothing; keep a dot of the pen's width.
        linePen.setCapStyle(Qt::SquareCap);
        painter->setPen(linePen);
        painter->drawPoint(QPointF(0, 0));
    } else {
        painter->drawLine(QPointF(0, 0), d);
    }
    painter->restore();
}

void CKorvexDesignerLine::moveHandle(int handle, const QPointF& p)
{
    if (handle == CKorvexResizeHandles::TopLeft) {
        const QPointF fixedEnd = end();
        setPos(p);
        setEnd(fixedEnd);
    } else if (handle == CKorvexResizeHandles::BottomRight) {
        setEnd(p);
    }
}

void CKorvexDesignerLine::setEnd(double x, double y)
{
    setSize(x - pos().x(), y - pos().y());
}

void CKorvexDesignerLine::setEnd(const QPointF& end)
{
    setEnd(end.x(), end.y());
}

QPointF CKorvexDesignerLine::end() const
{
    return pos() + QPointF(width(), height());
}
