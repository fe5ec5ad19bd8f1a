#include "scene/CKorvexPageRenderer.h"

#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexPreviewStaging.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

CKorvexPageRenderer::CKorvexPageRenderer(CKorvexDesignerScene& scene)
    : m_scene(scene)
{
}

QRectF CKorvexPageRenderer::pageRect() const
{
    const CKorvexDesignerScreen* screen = m_scene.screen();
    if (!screen)
        return QRectF();
    return QRectF(screen->scenePos(), QSizeF(screen->width(), screen->height()));
}

QSize CKorvexPageRenderer::pixelSize(double scale) const
{
    const QRectF page = pageRect();
    const double width = page.width() * scale;
    const double height = page.height() * scale;
    if (!std::isfinite(width) || !std::isfinite(height) || width > maximumPixels || height > maximumPixels)
        return QSize();
    return QSize(int(std::lround(width)), int(std::lround(height)));
}

void CKorvexPageRenderer::paint(QPainter& painter, const QRectF& target, double scale)
{
    // The view's hints: crisp lines at 100 %, smoothed ones at any other zoom.
    const bool zoomed = scale != 1.0;
    painter.setRenderHint(QPainter::Antialiasing, zoomed);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, zoomed);

    CKorvexPreviewStaging staging(m_scene);
    m_scene.render(&painter, target, pageRect(), Qt::IgnoreAspectRatio);
}

QImage CKorvexPageRenderer::renderImage(double scale)
{
    const QSize size = pixelSize(scale);
    if (size.isEmpty() || qint64(size.width()) * size.height() > maximumPixels)
        return QImage();
    QImage picture(size, QImage::Format_ARGB32);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), scale);
    return picture;
}

bool CKorvexPageRenderer::renderPdf(const QString& path, double scale)
{
    const QSizeF points = pageRect().size() * scale;
    if (points.isEmpty() || !std::isfinite(points.width()) || !std::isfinite(points.height()))
        return false;
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("korvex-template"));
    writer.setResolution(72);
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    paint(painter, QRectF(QPointF(0, 0), points), scale);
    return painter.end();
}
