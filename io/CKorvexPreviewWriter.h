#pragma once

#include <QImage>

class CKorvexDesignerScene;
class QString;

/// Draws the page for the package preview, without grid, handles or the shared 3D picture.
class CKorvexPreviewWriter
{
public:
    /// The page drawn at its own size (one unit more of source in each direction, aspect kept);
    /// a page of more than 36 million pixels is drawn with its longer side 2048 pixels.
    static QImage renderPage(CKorvexDesignerScene& scene);
    /// Writes "_preview.png" into the folder of the text file; false when it cannot be written.
    static bool write(CKorvexDesignerScene& scene, const QString& textFilePath);
};
