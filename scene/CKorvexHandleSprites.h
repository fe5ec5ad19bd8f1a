#pragma once

#include <QBrush>
#include <QImage>
#include <QPen>
#include <QPointF>
#include <QSizeF>

/// Drawings of a handle's square, kept by size, colours and place within a pixel: a selected
/// page shows thousands of handles, and blending one drawing is far cheaper than drawing each.
class CKorvexHandleSprites
{
public:
    /// Room around the square for its pen and its smoothed edge.
    static constexpr int Margin = 2;

    /// The square drawn smoothed at offset (Margin, Margin) + fraction.
    static QImage sprite(const QSizeF& square, const QPointF& fraction, const QPen& pen, const QBrush& brush);
};
