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

// Page sizes come from files: larger pages are drawn smaller, so memory stays bounded.
constexpr qint64 fullSizePixels = qint64(6000) * 6000;
constexpr int reducedSide = 2048;

QSize pageSizeOf(const CKorvexDesignerScreen* screen)
{
    return screen ? QSize(int(screen->width()), int(screen->height())) : QSize();
}

QSize drawingSize(const QSize& page)
{
    if (qint64(page.width()) * page.height() <= fullSizePixels)
        return page;
    const double scale = double(reducedSide) / qMax(page.width(), page.height());
    return QSize(qMax(1, qRound(page.width() * scale)), qMax(1, qRound(page.height() * scale)));
}

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
    const QSize pageSize = pageSizeOf(screen);
    if (pageSize.width() <= 0 || pageSize.height() <= 0)
        return QImage();
    QImage page(drawingSize(pageSize), QImage::Format_ARGB32);
    if (page.isNull())
        return page;
    page.fill(Qt::transparent);

    CKorvexDesigner3DArea::setPreviewShown(false);
    const bool gridShown = screen->isGridShown();
    screen->setGridShown(false);
    const QList<CKorvexResizeHandles*> hidden = hideShownHandles(scene);
    {
        QPainter painter(&page);
        const QRectF target(QPointF(0, 0), page.size());
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
    QImage page = renderPage(scene);
    if (page.isNull())
        return false;
    const QSize pageSize = pageSizeOf(scene.screen());
    // A page drawn smaller than its size is fitted as the page itself would be.
    if (page.size() != pageSize)
        page = page.scaled(CKorvexPreviewPicture::fit(pageSize).size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QString path = QFileInfo(textFilePath).absolutePath() + QStringLiteral("/_preview.png");
    return CKorvexPreviewPicture::finish(page).save(path, "PNG");
}
