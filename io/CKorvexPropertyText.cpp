#include "io/CKorvexPropertyText.h"

#include "io/CKorvexPropertyKeys.h"

#include <QHash>
#include <QPointF>
#include <QStringList>
#include <cmath>
#include <limits>

namespace {

const QString newlineMarker = QStringLiteral("<korvex_newline>");

const QHash<QString, CKorvexPropertyText::Kind>& kindTable()
{
    using K = CKorvexPropertyText::Kind;
    namespace P = CKorvexPropertyKeys;
    static const QHash<QString, K> table = {
        {P::Type, K::Text}, {P::Url, K::Text}, {P::Path, K::Text}, {P::Mode3D, K::Text},
        {P::PageSizeType, K::Text}, {P::CustomId, K::Text}, {P::Action, K::Text},
        {P::ImageSourceType, K::Text}, {P::SceneStateType, K::Text}, {P::SceneStateName, K::Text},
        {P::DictionaryKey, K::Text}, {P::TextSourceType, K::Text},
        {P::StartLocation, K::Point}, {P::EndLocation, K::Point},
        {P::FillColor, K::ColorList}, {P::PenColor, K::ColorList}, {P::FillColorGradient, K::GradientList},
        {P::Width, K::Real}, {P::Height, K::Real}, {P::PenWidth, K::Real},
        {P::ZValue, K::Integer}, {P::Dpi, K::Integer}, {P::SceneStateIndex, K::Integer},
        {P::ScaleToFit, K::Integer}, {P::KeepAspectRatio, K::Integer},
        {P::Text, K::MultiLineText}, {P::Html, K::MultiLineText},
        {P::IsGradientMode, K::Boolean}, {P::IsImageMode, K::Boolean},
        {P::FontListText, K::FontList},
    };
    return table;
}

} // namespace

CKorvexPropertyText::Kind CKorvexPropertyText::kindOf(const QString& key)
{
    return kindTable().value(key, Kind::Unknown);
}

bool CKorvexPropertyText::isKnownKey(const QString& key)
{
    return kindTable().contains(key);
}

QStringList CKorvexPropertyText::knownKeys()
{
    QStringList keys = kindTable().keys();
    keys.sort();
    return keys;
}

QString CKorvexPropertyText::formatReal(double value)
{
    return QString::number(value, 'g', 6);
}

int CKorvexPropertyText::roundToInteger(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::floor(value + 0.5);
    if (rounded >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(rounded);
}

QString CKorvexPropertyText::toText(const QString& key, const QVariant& value)
{
    switch (kindOf(key)) {
    case Kind::Point:
        return pointText(value);
    case Kind::Integer:
        return integerText(value);
    case Kind::Real:
        return formatReal(value.toDouble());
    case Kind::Boolean:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case Kind::ColorList:
    case Kind::GradientList:
        return value.toStringList().join(QLatin1Char(' '));
    case Kind::FontList:
        return value.toStringList().join(QLatin1Char('@'));
    case Kind::MultiLineText:
        return multiLineText(value.toString());
    case Kind::Text:
    case Kind::Unknown:
        break;
    }
    return value.toString();
}

QVariant CKorvexPropertyText::fromText(const QString& key, const QString& text)
{
    switch (kindOf(key)) {
    case Kind::Point:
        return pointFromText(text);
    case Kind::Integer:
        return text.toInt(nullptr, 10);
    case Kind::Real:
        return text.toDouble();
    case Kind::Boolean: {
        const QString lower = text.toLower();
        return lower == QLatin1String("true") || lower == QLatin1String("1");
    }
    case Kind::ColorList:
        return splitList(text, 3, 4);
    case Kind::GradientList:
        return splitList(text, 4, -1);
    case Kind::FontList:
        return text.split(QLatin1Char('@'));
    case Kind::MultiLineText:
        return QString(text).replace(newlineMarker, QStringLiteral("\n"));
    case Kind::Text:
    case Kind::Unknown:
        break;
    }
    return text;
}

QString CKorvexPropertyText::pointText(const QVariant& value)
{
    const QPointF point = value.toPointF();
    return formatReal(point.x()) + QLatin1Char(' ') + formatReal(point.y());
}

QString CKorvexPropertyText::integerText(const QVariant& value)
{
    const int type = value.userType();
    if (type == QMetaType::Double || type == QMetaType::Float)
        return QString::number(roundToInteger(value.toDouble()));
    return QString::number(value.toInt());
}

QString CKorvexPropertyText::multiLineText(const QString& text)
{
    return QString(text).replace(QLatin1Char('\n'), newlineMarker);
}

QVariant CKorvexPropertyText::pointFromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 2)
        return QVariant();
    return QPointF(parts.at(0).toDouble(), parts.at(1).toDouble());
}

QVariant CKorvexPropertyText::splitList(const QString& text, int minParts, int maxParts)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() < minParts || (maxParts >= 0 && parts.size() > maxParts))
        return QVariant();
    return parts;
}
