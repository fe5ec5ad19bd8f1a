#include "io/CKorvexPropertyValue.h"

#include "io/CKorvexPropertyText.h"

#include <cmath>

std::optional<QColor> CKorvexPropertyValue::color(const QVariant& value)
{
    if (value.userType() != QMetaType::QStringList)
        return std::nullopt;
    const QStringList parts = value.toStringList();
    if (parts.size() != 3 && parts.size() != 4)
        return std::nullopt;
    const int alpha = parts.size() == 4 ? component(parts, 3) : 255;
    return QColor(component(parts, 0), component(parts, 1), component(parts, 2), alpha);
}

QStringList CKorvexPropertyValue::colorList(const QColor& color, bool withAlpha)
{
    QStringList parts{QString::number(color.red()), QString::number(color.green()),
                      QString::number(color.blue())};
    if (withAlpha)
        parts << QString::number(color.alpha());
    return parts;
}

QLinearGradient CKorvexPropertyValue::gradient(const QVariant& value)
{
    const QStringList parts = value.toStringList();
    if (parts.size() < 4)
        return QLinearGradient();
    QLinearGradient result(parts.at(0).toInt(), parts.at(1).toInt(), parts.at(2).toInt(), parts.at(3).toInt());
    QGradientStops stops;
    for (int k = 4; k < parts.size(); k += 4) {
        const double position = parts.at(k).toDouble();
        if (std::isnan(position))
            continue;
        stops << QGradientStop(qBound(0.0, position, 1.0),
                               QColor(component(parts, k + 1), component(parts, k + 2), component(parts, k + 3)));
    }
    result.setStops(stops);
    return result;
}

QStringList CKorvexPropertyValue::gradientList(const QGradient& gradient)
{
    QStringList parts{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0")};
    const QGradientStops stops = gradient.stops();
    for (const QGradientStop& stop : stops) {
        parts << CKorvexPropertyText::formatReal(stop.first) << QString::number(stop.second.red())
              << QString::number(stop.second.green()) << QString::number(stop.second.blue());
    }
    return parts;
}

QPointF CKorvexPropertyValue::point(const QVariant& value)
{
    return value.userType() == QMetaType::QPointF ? value.toPointF() : QPointF();
}

int CKorvexPropertyValue::component(const QStringList& parts, int index)
{
    if (index >= parts.size())
        return 0;
    return qBound(0, parts.at(index).toInt(), 255);
}
