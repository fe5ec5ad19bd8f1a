#include "scene/CKorvexHandleSprites.h"

#include <QHash>
#include <QPainter>
#include <cmath>

namespace {

// Zooms, colours and places within a pixel are few; a bound keeps a long session's share small.
constexpr int keptSprites = 256;

QHash<QByteArray, QImage>& keptDrawings()
{
    static QHash<QByteArray, QImage> drawings;
    return drawings;
}

// Asked once per handle painted: the values' own bytes, not their texts.
QByteArray keyOf(const QSizeF& square, const QPointF& fraction, const QPen& pen, const QBrush& brush)
{
    const double values[] = {square.width(), square.height(), fraction.x(), fraction.y(), pen.widthF(),
                             double(pen.color().rgba()), double(brush.color().rgba())};
    return QByteArray(reinterpret_cast<const char*>(values), int(sizeof(values)));
}

} // namespace

QImage CKorvexHandleSprites::sprite(const QSizeF& square, const QPointF& fraction, const QPen& pen,
                                    const QBrush& brush)
{
    const QByteArray key = keyOf(square, fraction, pen, brush);
    auto& drawings = keptDrawings();
    const auto kept = drawings.constFind(key);
    if (kept != drawings.constEnd())
        return *kept;
    const QSize size(int(std::ceil(square.width())) + 2 * Margin + 1, int(std::ceil(square.height())) + 2 * Margin + 1);
    QImage drawing(size, QImage::Format_ARGB32_Premultiplied);
    drawing.fill(Qt::transparent);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(Margin + fraction.x(), Margin + fraction.y());
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.drawRect(QRectF(QPointF(0, 0), square));
    }
    if (drawings.size() >= keptSprites)
        drawings.clear();
    drawings.insert(key, drawing);
    return drawing;
}
