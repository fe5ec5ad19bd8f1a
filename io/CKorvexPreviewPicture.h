#pragma once

#include <QPoint>
#include <QSize>

class QImage;

/// The package's preview: the page picture fitted into 130 x 130 pixels, centred on a
/// transparent canvas unless it fills it.
class CKorvexPreviewPicture
{
public:
    static constexpr int side = 130;

    struct Fit
    {
        QSize size;       ///< the page picture's size after fitting
        QPoint offset;    ///< its top-left corner on the canvas
        bool onCanvas;    ///< false when the fitted picture is saved as it is
    };

    /// Pages up to 130 x 130 keep their size; larger ones shrink proportionally so that the
    /// longer side is 130 (integer arithmetic).
    static Fit fit(const QSize& pageSize);
    /// The picture to save for a rendered page picture.
    static QImage finish(const QImage& page);
};
