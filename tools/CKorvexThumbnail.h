#pragma once

#include <QByteArray>
#include <QImage>

class CKorvexDesignerScene;

/// The picture a file manager shows for a template, fitted into a square of the size it asks for:
/// the preview a package holds, else a fresh drawing of the page.
class CKorvexThumbnail
{
public:
    static constexpr int maximumSize = 2048;
    static constexpr qint64 maximumPreviewBytes = qint64(16) << 20;

    /// The packed preview picture, fitted; null when the bytes are no picture.
    static QImage fromPreview(const QByteArray& png, int size);
    /// The page drawn with its longer side the size; null when the page is empty.
    static QImage draw(CKorvexDesignerScene& scene, int size);
};
