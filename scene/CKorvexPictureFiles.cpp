#include "scene/CKorvexPictureFiles.h"

#include "core/CKorvexFileState.h"

#include <QBuffer>
#include <QCache>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QtConcurrent>

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

QString keyOf(const QString& path)
{
    return path.startsWith(QLatin1Char(':')) ? path : QFileInfo(path).absoluteFilePath();
}

// What reading one file gave; made on any thread, kept on the caller's.
struct FileRead
{
    FileRead() = default;
    FileRead(const QString& path, const Korvex::CKorvexFileState& state)
        : path(path), key(keyOf(path)), state(state) {}

    QString path;
    QString key;
    Korvex::CKorvexFileState state;
    bool settled = false;
    bool large = false;
    bool sameBytes = false;
    QByteArray bytes;
    QImage picture;
};

FileRead readFile(const QString& path, const Korvex::CKorvexFileState& state, const KeptPicture* kept)
{
    FileRead read(path, state);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return read;
    if (file.size() > CKorvexPictureFiles::largestKeptFile) {
        file.close();
        QImageReader reader(path);
        read.large = true;
        read.picture = decode(reader);
        return read;
    }
    const qint64 readAt = QDateTime::currentMSecsSinceEpoch();
    read.bytes = file.readAll();
    read.settled = settledAt(state, readAt);
    // Comparing the bytes costs far less than decoding them.
    read.sameBytes = kept && kept->fileBytes == read.bytes;
    if (!read.sameBytes)
        read.picture = decodeBytes(read.bytes, path);
    return read;
}

QImage keep(const QString& key, KeptPicture* kept, const FileRead& read)
{
    if (read.large)
        return read.picture;
    if (read.sameBytes) {
        *kept = KeptPicture{read.state, read.settled, read.bytes, kept->picture};
        return kept->picture;
    }
    if (read.picture.isNull()) {
        keptPictures().remove(key);
        return read.picture;
    }
    const int cost = int(qMax<qint64>(1, (read.picture.sizeInBytes() + read.bytes.size()) / 1024));
    keptPictures().insert(key, new KeptPicture{read.state, read.settled, read.bytes, read.picture}, cost);
    return read.picture;
}

QString scaledKey(const QImage& picture, const QSize& size)
{
    return QStringLiteral("%1:%2x%3").arg(picture.cacheKey()).arg(size.width()).arg(size.height());
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
    const QString key = keyOf(path);
    KeptPicture* kept = keptPictures().object(key);
    if (kept && kept->settled && kept->file == state)
        return kept->picture;
    const FileRead read = readFile(path, state, kept);
    return keep(key, kept, read);
}

void CKorvexPictureFiles::loadAll(const QStringList& paths)
{
    static const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    QVector<FileRead> reads;
    QSet<QString> keys;
    for (const QString& path : paths) {
        const QString key = path.trimmed().isEmpty() ? QString() : keyOf(path);
        if (key.isEmpty() || keys.contains(key) || keptPictures().contains(key)
            || !formats.contains(QFileInfo(path).suffix().toLower().toLatin1()))
            continue;
        const Korvex::CKorvexFileState state = Korvex::CKorvexFileState::of(path);
        if (!state.isFile)
            continue;
        keys.insert(key);
        reads.append(FileRead(path, state));
    }
    QtConcurrent::blockingMap(reads, [](FileRead& read) { read = readFile(read.path, read.state, nullptr); });
    for (const FileRead& read : qAsConst(reads))
        keep(read.key, nullptr, read);
}

QImage CKorvexPictureFiles::scaled(const QImage& picture, const QSize& size)
{
    const QString key = scaledKey(picture, size);
    if (const QImage* kept = scaledPictures().object(key))
        return *kept;
    const QImage result = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
        QImage result;
    };
    QVector<Scaling> work;
    QSet<QString> keys;
    // Copies made beyond what is kept would push out the first ones before they are drawn.
    qint64 budget = keptScaledBytes / 2;
    for (const ScaleRequest& request : wanted) {
        const QString key = scaledKey(request.picture, request.size);
        const qint64 bytes = qint64(request.size.width()) * request.size.height() * 4;
        if (keys.contains(key) || scaledPictures().contains(key) || bytes > budget)
            continue;
        budget -= bytes;
        keys.insert(key);
        work.append(Scaling{key, request, QImage()});
    }
    QtConcurrent::blockingMap(work, [](Scaling& scaling) {
        scaling.result = scaling.request.picture.scaled(scaling.request.size, Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation);
    });
    for (const Scaling& scaling : qAsConst(work))
        scaledPictures().insert(scaling.key, new QImage(scaling.result), costOf(scaling.result));
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
