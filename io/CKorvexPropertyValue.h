#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPointF>
#include <QStringList>
#include <QVariant>
#include <optional>

/// Conversions between record values (text lists, points) and the drawing types of the items.
class CKorvexPropertyValue
{
public:
    /// A colour from a list of 3 (opaque) or 4 (with alpha) parts; none for any other count.
    static std::optional<QColor> color(const QVariant& value);
    /// Red, green, blue and, when asked, alpha as decimal texts.
    static QStringList colorList(const QColor& color, bool withAlpha);

    /// The gradient of a "fill color gradient" list: start and final stop, then position and colour per stop.
    static QLinearGradient gradient(const QVariant& value);
    /// 0, 0, 1, 0 followed by position, red, green, blue per stop.
    static QStringList gradientList(const QGradient& gradient);

    /// The point of a valid point value, else (0, 0).
    static QPointF point(const QVariant& value);

private:
    static int component(const QStringList& parts, int index);
};
