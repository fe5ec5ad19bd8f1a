#include "tools/CKorvexValueCheck.h"

#include "scene/CKorvexDesigner3DArea.h"
#include "io/CKorvexItemWords.h"
#include "io/CKorvexPropertyKeys.h"
#include "io/CKorvexPropertyText.h"

#include <QStringList>
#include <cmath>

namespace {

QStringList spaceParts(const QString& text)
{
    return text.split(QLatin1Char(' '));
}

} // namespace

bool CKorvexValueCheck::isReal(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

bool CKorvexValueCheck::isInteger(const QString& text)
{
    bool ok = false;
    text.toInt(&ok, 10);
    return ok;
}

bool CKorvexValueCheck::isBoolean(const QString& text)
{
    const QString lower = text.toLower();
    return lower == QLatin1String("true") || lower == QLatin1String("false") || lower == QLatin1String("1")
           || lower == QLatin1String("0");
}

bool CKorvexValueCheck::isPoint(const QString& text)
{
    const QStringList parts = spaceParts(text);
    return parts.size() == 2 && isReal(parts.at(0)) && isReal(parts.at(1));
}

bool CKorvexValueCheck::isComponent(const QString& text)
{
    bool ok = false;
    const int component = text.toInt(&ok, 10);
    return ok && component >= 0 && component <= 255;
}

bool CKorvexValueCheck::isColor(const QString& text)
{
    const QStringList parts = spaceParts(text);
    if (parts.size() != 3 && parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        if (!isComponent(part))
            return false;
    }
    return true;
}

bool CKorvexValueCheck::isGradient(const QString& text)
{
    // The start and final stop points, then position, red, green and blue per stop.
    const QStringList parts = spaceParts(text);
    if (parts.size() < 4 || parts.size() % 4 != 0)
        return false;
    for (int index = 0; index < parts.size(); ++index) {
        const bool colorPart = index >= 4 && index % 4 != 0;
        const bool fine = colorPart ? isComponent(parts.at(index)) : isReal(parts.at(index));
        if (!fine)
            return false;
    }
    return true;
}

QString CKorvexValueCheck::wordProblem(const QString& key, const QString& text)
{
    namespace P = CKorvexPropertyKeys;
    bool known = true;
    if (key == P::ImageSourceType)
        known = CKorvexItemWords::imageSourceFromWord(text) >= 0;
    else if (key == P::SceneStateType)
        known = CKorvexItemWords::sceneStateChoiceFromWord(text) >= 0;
    else if (key == P::TextSourceType)
        known = CKorvexItemWords::textSourceFromWord(text) >= 0;
    else if (key == P::Mode3D)
        known = CKorvexDesigner3DArea::modeFromWord(text) >= 0;
    return known ? QString() : QStringLiteral("is not one of its words");
}

QString CKorvexValueCheck::problemOf(const QString& key, const QString& text)
{
    using K = CKorvexPropertyText::Kind;
    switch (CKorvexPropertyText::kindOf(key)) {
    case K::Point:
        return isPoint(text) ? QString() : QStringLiteral("is not two numbers");
    case K::Integer:
        return isInteger(text) ? QString() : QStringLiteral("is not a whole number");
    case K::Real:
        return isReal(text) ? QString() : QStringLiteral("is not a number");
    case K::Boolean:
        return isBoolean(text) ? QString() : QStringLiteral("is not true or false");
    case K::ColorList:
        return isColor(text) ? QString() : QStringLiteral("is not 3 or 4 colour components from 0 to 255");
    case K::GradientList:
        return isGradient(text) ? QString() : QStringLiteral("is not a gradient of whole stops");
    case K::Text:
        return wordProblem(key, text);
    case K::MultiLineText:
    case K::FontList:
    case K::Unknown:
        break;
    }
    return QString();
}
