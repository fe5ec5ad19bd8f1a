#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

/// Decodes picture files for the page. A page shows the same few files on many items and reloads
/// them after every undo, so decoded pictures are kept, keyed by file, and used again while the
/// file is unchanged: same time and size when it was written well before it was read, else the
/// same bytes. Files whose header promises an absurd picture are refused before anything is
/// decoded.
class CKorvexPictureFiles
{
public:
    /// Pictures beyond this many pixels, or wider or higher than the painter can draw, are refused.
    static constexpr qint64 maximumPixels = 100'000'000;
    static constexpr int maximumSide = 32767;
    /// Decoded pictures and their files kept, in bytes; the least recently used go first.
    static constexpr qint64 keptBytes = 256LL * 1024 * 1024;
    /// Larger files are decoded straight from disk each time and not kept.
    static constexpr qint64 largestKeptFile = 64LL * 1024 * 1024;

    /// The picture in the file, or a null picture when the file is missing, is no picture or is
    /// too large.
    static QImage load(const QString& path);
    /// Scaled copies kept, in bytes; the least recently drawn go first.
    static constexpr qint64 keptScaledBytes = 48LL * 1024 * 1024;
    /// The picture smoothly scaled to size; items of one size showing one file share one copy.
    static QImage scaled(const QImage& picture, const QSize& size);
    /// Whether a scaled copy of the picture at size is kept.
    static bool hasScaled(const QImage& picture, const QSize& size);
    struct ScaleRequest
    {
        QImage picture;
        QSize size;
    };
    /// Scales the pictures not yet kept at once, one per core, and keeps the copies, as long as
    /// they fill no more than half of what is kept.
    static void scaleAll(const QVector<ScaleRequest>& wanted);
    /// False for a size beyond the limits above; an invalid size (not known before decoding) passes.
    static bool acceptableSize(const QSize& size);
    /// Forgets every kept picture.
    static void clear();
};
