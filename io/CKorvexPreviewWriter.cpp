#include "io/CKorvexPreviewWriter.h"

#include "io/CKorvexPreviewPicture.h"

#include <QFileInfo>
#include <QGraphicsScene>
#include <QPainter>

namespace {

// The preview is 130 pixels on its long side: a page drawn at twice that and scaled down
// looks the same, and drawing a large page at its full size cost most of a save.
constexpr int detailSide = 2 * CKorvexPreviewPicture::side;

QSize pixelSizeOf(const QRectF& page)
{
    return QSize(int(page.width()), int(page.height()));
}

QSize drawingSize(const QSize& page)
{
    if (qMax(page.width(), page.height()) <= detailSide)
        return page;
    const double scale = double(detailSide) / qMax(page.width(), page.height());
    return QSize(qMax(1, qRound(page.width() * scale)), qMax(1, qRound(page.height() * scale)));
}

} // namespace

QImage CKorvexPreviewWriter::renderPage(QGraphicsScene& scene, const QRectF& page)
{
    const QSize pageSize = pixelSizeOf(page);
    if (pageSize.width() <= 0 || pageSize.height() <= 0)
        return QImage();
    QImage picture(drawingSize(pageSize), QImage::Format_ARGB32);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QRectF target(QPointF(0, 0), picture.size());
    scene.render(&painter, target, QRectF(page.topLeft(), QSizeF(page.width() + 1, page.height() + 1)),
                 Qt::KeepAspectRatio);
    return picture;
}

bool CKorvexPreviewWriter::write(QGraphicsScene& scene, const QRectF& page, const QString& textFilePath)
{
    QImage picture = renderPage(scene, page);
    if (picture.isNull())
        return false;
    const QSize pageSize = pixelSizeOf(page);
    // A page drawn smaller than its size is fitted as the page itself would be.
    if (picture.size() != pageSize)
        picture = picture.scaled(CKorvexPreviewPicture::fit(pageSize).size, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    const QString path = QFileInfo(textFilePath).absolutePath() + QStringLiteral("/_preview.png");
    return CKorvexPreviewPicture::finish(picture).save(path, "PNG");
}
