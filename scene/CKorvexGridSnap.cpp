#include "scene/CKorvexGridSnap.h"

#include <cmath>

QPointF CKorvexGridSnap::snap(const QPointF& point, int step)
{
    return QPointF(snapCoordinate(point.x(), step), snapCoordinate(point.y(), step));
}

double CKorvexGridSnap::snapCoordinate(double c, int step)
{
    if (!std::isfinite(c))
        return 0.0;
    const double g = qMax(1, step);
    const double quotient = c / g;
    const double v = quotient == std::trunc(quotient) ? std::trunc(c) : c - std::fmod(std::trunc(c), g);
    return g * roundHalfUp(v / g);
}

double CKorvexGridSnap::roundHalfUp(double q)
{
    if (q >= 0)
        return std::trunc(q + 0.5);
    const double k = std::trunc(q - 1);
    return k + std::trunc(q - k + 0.5);
}
