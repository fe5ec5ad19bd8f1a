#pragma once

#include <QPointF>

/// The one snapping rule for positions on the page grid.
class CKorvexGridSnap
{
public:
    static QPointF snap(const QPointF& point, int step);
    /// One coordinate: c reduced by the remainder of trunc(c), then rounded half up to a multiple of step.
    static double snapCoordinate(double c, int step);

private:
    static double roundHalfUp(double q);
};
