#include "io/CKorvexPreviewPicture.h"

#include <QImage>
#include <QPainter>

namespace {

int scaledSide(int side, int longer)
{
    return int(qint64(side) * CKorvexPreviewPicture::side / longer);
}

} // namespace

CKorvexPreviewPicture::Fit CKorvexPreviewPicture::fit(const QSize& pageSize)
{
    const int width = qMax(0, pageSize.width());
    const int height = qMax(0, pageSize.height());
    QSize fitted(width, height);
    if (width > side || height > side) {
        if (width > height)
            fitted = QSize(side, scaledSide(height, width));
        else
            fitted = QSize(scaledSide(width, height), side);
    }
    const bool onCanvas = fitted.width() < side || fitted.height() < side;
    // Offsets are truncated toward zero, as the centre falls on a half pixel for odd sizes.
    const QPoint offset = onCanvas ? QPoint(int(side / 2 - fitted.width() / 2.0), int(side / 2 - fitted.height() / 2.0))
                                   : QPoint(0, 0);
    return Fit{fitted, offset, onCanvas};
}

QImage CKorvexPreviewPicture::finish(const QImage& page)
{
    const Fit layout = fit(page.size());
    QImage fitted = page;
    if (layout.size != page.size())
        fitted = page.scaled(layout.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!layout.onCanvas)
        return fitted;
    QImage canvas(side, side, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    if (!fitted.isNull()) {
        QPainter painter(&canvas);
        painter.drawImage(layout.offset, fitted);
    }
    return canvas;
}
