#include "scene/CKorvexPictureFiles.h"

#include "core/CKorvexFileState.h"

#include <QBuffer>
#include <QCache>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <QtConcurrent>
#include <cstring>

namespace {

struct KeptPicture
{
    Korvex::CKorvexFileState file;
    // The file's time was well before it was read, so a later rewrite shows as a newer time.
    bool settled = false;
    QByteArray fileBytes;
    QImage picture;
};

// A file read within this long after its last write may be rewritten within the same time
// stamp. Times in whole seconds betray a file system that keeps no finer ones (up to two
// seconds apart); other file systems stamp within a clock tick.
constexpr qint64 coarseSettlingMilliseconds = 2000;
constexpr qint64 fineSettlingMilliseconds = 100;

constexpr qint64 nanosecondsPerMillisecond = 1000000;

bool settledAt(const Korvex::CKorvexFileState& file, qint64 readAtMilliseconds)
{
    if (!file.exists)
        return false;
    const qint64 modified = file.modified / nanosecondsPerMillisecond;
    const bool coarse = modified % 1000 == 0;
    return readAtMilliseconds - modified > (coarse ? coarseSettlingMilliseconds : fineSettlingMilliseconds);
}

// QCache counts in whole units; kibibytes keep small pictures from costing nothing.
QCache<QString, KeptPicture>& keptPictures()
{
    static QCache<QString, KeptPicture> cache(int(CKorvexPictureFiles::keptBytes / 1024));
    return cache;
}

QCache<QString, QImage>& scaledPictures()
{
    static QCache<QString, QImage> cache(int(CKorvexPictureFiles::keptScaledBytes / 1024));
    return cache;
}

QImage decode(QImageReader& reader)
{
    if (!CKorvexPictureFiles::acceptableSize(reader.size()))
        return QImage();
    const QImage picture = reader.read();
    if (picture.isNull() || !CKorvexPictureFiles::acceptableSize(picture.size()))
        return QImage();
    return picture;
}

QImage decodeBytes(QByteArray bytes, const QString& path)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (reader.canRead())
        return decode(reader);
    // Formats that the content does not reveal are known by their suffix alone.
    buffer.seek(0);
    QImageReader bySuffix(&buffer, QFileInfo(path).suffix().toLower().toLatin1());
    return decode(bySuffix);
}

QString scaledKey(const QImage& picture, const QSize& size)
{
    return QStringLiteral("%1:%2x%3").arg(picture.cacheKey()).arg(size.width()).arg(size.height());
}

QImage smoothlyScaled(const QImage& picture, const QSize& size)
{
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Uninitialised pixels with what scaling takes over from the picture besides them.
QImage blankScaled(const QImage& picture, const QSize& size, QImage::Format format)
{
    QImage blank(size, format);
    blank.setDotsPerMeterX(picture.dotsPerMeterX());
    blank.setDotsPerMeterY(picture.dotsPerMeterY());
    blank.setDevicePixelRatio(picture.devicePixelRatio());
    const QStringList keys = picture.textKeys();
    for (const QString& key : keys)
        blank.setText(key, picture.text(key));
    return blank;
}

int costOf(const QImage& image)
{
    return int(qMax<qint64>(1, image.sizeInBytes() / 1024));
}

} // namespace

QImage CKorvexPictureFiles::load(const QString& path)
{
    if (path.trimmed().isEmpty())
        return QImage();
    const Korvex::CKorvexFileState state = Korvex::CKorvexFileState::of(path);
    if (!state.isFile)
        return QImage();
    const QString key = path.startsWith(QLatin1Char(':')) ? path : QFileInfo(path).absoluteFilePath();
    KeptPicture* kept = keptPictures().object(key);
    if (kept && kept->settled && kept->file == state)
        return kept->picture;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    if (file.size() > largestKeptFile) {
        file.close();
        QImageReader reader(path);
        return decode(reader);
    }
    const qint64 readAt = QDateTime::currentMSecsSinceEpoch();
    const QByteArray bytes = file.readAll();
    // Comparing the bytes costs far less than decoding them.
    if (kept && kept->fileBytes == bytes) {
        *kept = KeptPicture{state, settledAt(state, readAt), bytes, kept->picture};
        return kept->picture;
    }
    const QImage picture = decodeBytes(bytes, path);
    if (picture.isNull()) {
        keptPictures().remove(key);
        return picture;
    }
    const int cost = int(qMax<qint64>(1, (picture.sizeInBytes() + bytes.size()) / 1024));
    keptPictures().insert(key, new KeptPicture{state, settledAt(state, readAt), bytes, picture}, cost);
    return picture;
}

QImage CKorvexPictureFiles::scaled(const QImage& picture, const QSize& size)
{
    const QString key = scaledKey(picture, size);
    if (const QImage* kept = scaledPictures().object(key))
        return *kept;
    const QImage result = smoothlyScaled(picture, size);
    scaledPictures().insert(key, new QImage(result), costOf(result));
    return result;
}

bool CKorvexPictureFiles::hasScaled(const QImage& picture, const QSize& size)
{
    return scaledPictures().contains(scaledKey(picture, size));
}

void CKorvexPictureFiles::scaleAll(const QVector<ScaleRequest>& wanted)
{
    struct Scaling
    {
        QString key;
        ScaleRequest request;
        QImage kept;
        uchar* keptBits = nullptr;
        QImage made;
    };
    QVector<Scaling> work;
    QSet<QString> keys;
    QHash<qint64, QImage::Format> formats;
    // Copies made beyond what is kept would push out the first ones before they are drawn.
    qint64 budget = keptScaledBytes / 2;
    for (const ScaleRequest& request : wanted) {
        const QString key = scaledKey(request.picture, request.size);
        const qint64 bytes = qint64(request.size.width()) * request.size.height() * 4;
        if (keys.contains(key) || scaledPictures().contains(key) || bytes > budget)
            continue;
        budget -= bytes;
        keys.insert(key);
        const qint64 pictureKey = request.picture.cacheKey();
        if (!formats.contains(pictureKey))
            formats.insert(pictureKey, smoothlyScaled(request.picture, QSize(1, 1)).format());
        // Kept copies are made here, among this thread's memory, which every freed block of
        // the page build can serve; copies made by the helper threads would need fresh memory.
        QImage kept = blankScaled(request.picture, request.size, formats.value(pictureKey));
        uchar* bits = kept.isNull() ? nullptr : kept.bits();
        work.append(Scaling{key, request, kept, bits, QImage()});
    }
    QtConcurrent::blockingMap(work, [](Scaling& scaling) {
        const QImage made = smoothlyScaled(scaling.request.picture, scaling.request.size);
        if (scaling.keptBits && made.format() == scaling.kept.format()
            && made.sizeInBytes() == scaling.kept.sizeInBytes())
            std::memcpy(scaling.keptBits, made.constBits(), size_t(made.sizeInBytes()));
        else
            scaling.made = made;
    });
    for (const Scaling& scaling : qAsConst(work)) {
        const QImage& result = scaling.made.isNull() ? scaling.kept : scaling.made;
        scaledPictures().insert(scaling.key, new QImage(result), costOf(result));
    }
}

bool CKorvexPictureFiles::acceptableSize(const QSize& size)
{
    if (!size.isValid())
        return true; // the format does not tell before decoding; the decoder's own checks apply
    return size.width() <= maximumSide && size.height() <= maximumSide
        && qint64(size.width()) * size.height() <= maximumPixels;
}

void CKorvexPictureFiles::clear()
{
    keptPictures().clear();
    scaledPictures().clear();
}
