#include "tools/CKorvexThumbnail.h"

#include "scene/CKorvexPageRenderer.h"
#include "scene/CKorvexPictureFiles.h"

#include <QBuffer>
#include <QImageReader>

QImage CKorvexThumbnail::fromPreview(const QByteArray& png, int size)
{
    if (png.isEmpty())
        return QImage();
    QBuffer buffer;
    buffer.setData(png);
    QImageReader reader(&buffer, "PNG");
    if (!CKorvexPictureFiles::acceptableSize(reader.size()))
        return QImage();
    const QImage picture = reader.read();
    if (picture.isNull())
        return picture;
    return picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage CKorvexThumbnail::draw(CKorvexDesignerScene& scene, int size)
{
    CKorvexPageRenderer renderer(scene);
    const QSizeF page = renderer.pageRect().size();
    const double longer = qMax(page.width(), page.height());
    return longer > 0 ? renderer.renderImage(size / longer) : QImage();
}
