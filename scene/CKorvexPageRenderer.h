#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

class CKorvexDesignerScene;
class QPainter;

/// Draws a scene's page as the designer's view shows it at 100 %, without grid, handles or
/// selection, into a picture or a vector PDF page; a scale enlarges or shrinks the output.
/// The designer's Export and the template tool draw through it.
class CKorvexPageRenderer
{
public:
    /// Pictures beyond this many pixels are refused rather than allocated.
    static constexpr qint64 maximumPixels = qint64(100) * 1000 * 1000;

    explicit CKorvexPageRenderer(CKorvexDesignerScene& scene);

    QRectF pageRect() const;
    /// The page size times the scale, rounded to whole pixels.
    QSize pixelSize(double scale) const;
    /// Null when the scaled page is empty or larger than maximumPixels.
    QImage renderImage(double scale);
    /// One PDF page of the page size times the scale in points; false when it cannot be written.
    bool renderPdf(const QString& path, double scale);

private:
    void paint(QPainter& painter, const QRectF& target, double scale);

    CKorvexDesignerScene& m_scene;
};
