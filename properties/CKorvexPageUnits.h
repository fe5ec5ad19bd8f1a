#pragma once

#include <QList>

/// Arithmetic of page sizes: physical units against pixels at a resolution, and keep-aspect scaling.
class CKorvexPageUnits
{
public:
    enum Unit { Inches = 0, Centimetres = 1, Millimetres = 2 };

    static constexpr int minimumPixels = 1;
    static constexpr int maximumPixels = 100000000;

    /// Pixels for a physical length; dpi is always pixels per inch. Halves round up.
    static int toPixels(double value, int unit, int dpi);
    /// Physical length of a pixel count in the given unit.
    static double toPhysical(int pixels, int unit, int dpi);

    /// The resolutions offered, in the order of their list.
    static const QList<int>& resolutions();
    /// The list index of a resolution; anything not offered falls back to the first (72).
    static int resolutionIndex(int dpi);

    /// The side that keeps the reference aspect: referenceOther * side / referenceSide, truncated.
    static int keepAspect(int referenceOther, int side, int referenceSide);
};
