#include "properties/CKorvexPageUnits.h"

namespace {

// Inches per unit going to pixels; the way back uses 2.54 and 25.4, so a round trip may drift.
constexpr double inchesPerCentimetre = 0.393701;
constexpr double inchesPerMillimetre = 0.0393701;
constexpr double centimetresPerInch = 2.54;
constexpr double millimetresPerInch = 25.4;

int clampToPixels(double value)
{
    if (!(value >= 0.0)) // also rejects NaN
        return 0;
    if (value >= CKorvexPageUnits::maximumPixels)
        return CKorvexPageUnits::maximumPixels;
    return static_cast<int>(value);
}

} // namespace

int CKorvexPageUnits::toPixels(double value, int unit, int dpi)
{
    double inches = value;
    if (unit == Centimetres)
        inches = value * inchesPerCentimetre;
    else if (unit == Millimetres)
        inches = value * inchesPerMillimetre;
    return clampToPixels(dpi * inches + 0.5);
}

double CKorvexPageUnits::toPhysical(int pixels, int unit, int dpi)
{
    if (dpi <= 0)
        return 0.0;
    const double inches = static_cast<double>(pixels) / dpi;
    if (unit == Centimetres)
        return inches * centimetresPerInch;
    if (unit == Millimetres)
        return inches * millimetresPerInch;
    return inches;
}

const QList<int>& CKorvexPageUnits::resolutions()
{
    static const QList<int> list{72, 144, 300, 600, 1200, 2400, 3600, 4000};
    return list;
}

int CKorvexPageUnits::resolutionIndex(int dpi)
{
    const int index = resolutions().indexOf(dpi);
    return index < 0 ? 0 : index;
}

int CKorvexPageUnits::keepAspect(int referenceOther, int side, int referenceSide)
{
    if (referenceSide <= 0)
        return side;
    const qint64 product = static_cast<qint64>(referenceOther) * side;
    const qint64 quotient = product / referenceSide;
    if (quotient > maximumPixels)
        return maximumPixels;
    return static_cast<int>(quotient);
}
