#include "properties/CKorvexSwatchStyle.h"

#include <QLocale>

QString CKorvexSwatchStyle::colorStyle(const QStringList& rgb)
{
    return QStringLiteral("background-color:rgb(%1,%2,%3);")
        .arg(rgb.value(0).toInt())
        .arg(rgb.value(1).toInt())
        .arg(rgb.value(2).toInt());
}

QString CKorvexSwatchStyle::gradientStyle(const QLinearGradient& gradient)
{
    QStringList stops;
    const auto all = gradient.stops();
    for (const QGradientStop& stop : all) {
        const QColor color = stop.second;
        stops << QStringLiteral(" stop: %1 rgba(%2,%3,%4,%5) ")
                     .arg(QString::number(stop.first, 'g', QLocale::FloatingPointShortest))
                     .arg(color.red())
                     .arg(color.green())
                     .arg(color.blue())
                     .arg(255);
    }
    return QStringLiteral("background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:1, y2:0, ")
           + stops.join(QStringLiteral(", ")) + QStringLiteral(");");
}
