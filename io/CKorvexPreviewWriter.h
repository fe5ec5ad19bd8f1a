#pragma once

#include <QImage>
#include <QRectF>

class QGraphicsScene;
class QString;

/// Draws a page of a graphics scene for the package preview, as the scene shows it now.
class CKorvexPreviewWriter
{
public:
    /// The page rectangle drawn at its own size (one unit more of source in each direction,
    /// aspect kept); a page of more than 36 million pixels is drawn with its longer side 2048 pixels.
    static QImage renderPage(QGraphicsScene& scene, const QRectF& page);
    /// Writes "_preview.png" into the folder of the text file; false when it cannot be written.
    static bool write(QGraphicsScene& scene, const QRectF& page, const QString& textFilePath);
};
