#pragma once

#include <QLinearGradient>
#include <QString>
#include <QStringList>

/// The style sheets that make a read-only field show a colour or a gradient.
class CKorvexSwatchStyle
{
public:
    /// The colour of the red, green and blue texts of a colour list.
    static QString colorStyle(const QStringList& rgb);
    /// The stops of the gradient, opaque, always from left to right.
    static QString gradientStyle(const QLinearGradient& gradient);
};
