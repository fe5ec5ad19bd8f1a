#include "io/CKorvexPreviewWriter.h"

#include "io/CKorvexPreviewPicture.h"
#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexResizeHandles.h"

#include <QFileInfo>
#include <QPainter>

namespace {

// Page sizes come from files; refuse pictures no page of a real document needs.
constexpr qint64 maximumPixels = qint64(20000) * 20000;

QList<CKorvexResizeHandles*> hideShownHandles(CKorvexDesignerScene& scene)
{
    QList<CKorvexResizeHandles*> hidden;
    const auto items = scene.pageItems();
    for (QGraphicsItem* item : items) {
        CKorvexResizeHandles* handles = CKorvexDesignerItem::companionOf(item)->handles();
        if (handles && handles->anyVisible()) {
            handles->show(false);
            hidden.append(handles);
        }
    }
    return hidden;
}

} // namespace

QImage CKorvexPreviewWriter::renderPage(CKorvexDesignerScene& scene)
{
    CKorvexDesignerScreen* screen = scene.screen();
    const int width = screen ? int(screen->width()) : 0;
    const int height = screen ? int(screen->height()) : 0;
    if (width <= 0 || height <= 0 || qint64(width) * height > maximumPixels)
        return QImage();
    QImage page(width, height, QImage::Format_ARGB32);
    page.fill(Qt::transparent);

    CKorvexDesigner3DArea::setPreviewShown(false);
    const bool gridShown = screen->isGridShown();
    screen->setGridShown(false);
    const QList<CKorvexResizeHandles*> hidden = hideShownHandles(scene);
    {
        QPainter painter(&page);
        const QRectF target(0, 0, width, height);
        scene.render(&painter, target, QRectF(screen->scenePos(), QSizeF(screen->width() + 1, screen->height() + 1)),
                     Qt::KeepAspectRatio);
    }
    for (CKorvexResizeHandles* handles : hidden)
        handles->show(true);
    screen->setGridShown(gridShown);
    CKorvexDesigner3DArea::setPreviewShown(true);
    return page;
}

bool CKorvexPreviewWriter::write(CKorvexDesignerScene& scene, const QString& textFilePath)
{
    const QImage page = renderPage(scene);
    if (page.isNull())
        return false;
    const QString path = QFileInfo(textFilePath).absolutePath() + QStringLiteral("/_preview.png");
    return CKorvexPreviewPicture::finish(page).save(path, "PNG");
}
