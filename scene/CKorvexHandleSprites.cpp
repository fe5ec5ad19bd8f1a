#include "scene/CKorvexHandleSprites.h"

#include <QHash>
#include <QPainter>
#include <cmath>

namespace {

// Zooms, colours and places within a pixel are few; a bound keeps a long session's share small.
constexpr int keptSprites = 256;

QHash<QString, QImage>& keptDrawings()
{
    static QHash<QString, QImage> drawings;
    return drawings;
}

QString keyOf(const QSizeF& square, const QPointF& fraction, const QPen& pen, const QBrush& brush)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
        .arg(square.width(), 0, 'g', 17)
        .arg(square.height(), 0, 'g', 17)
        .arg(fraction.x(), 0, 'g', 17)
        .arg(fraction.y(), 0, 'g', 17)
        .arg(pen.color().rgba())
        .arg(pen.widthF(), 0, 'g', 17)
        .arg(brush.color().rgba());
}

} // namespace

QImage CKorvexHandleSprites::sprite(const QSizeF& square, const QPointF& fraction, const QPen& pen,
                                    const QBrush& brush)
{
    const QString key = keyOf(square, fraction, pen, brush);
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
