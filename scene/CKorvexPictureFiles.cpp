#include "scene/CKorvexPictureFiles.h"

#include <QBuffer>
#include <QCache>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

struct KeptPicture
{
    QByteArray fileBytes;
    QImage picture;
};

// QCache counts in whole units; kibibytes keep small pictures from costing nothing.
QCache<QString, KeptPicture>& keptPictures()
{
    static QCache<QString, KeptPicture> cache(int(CKorvexPictureFiles::keptBytes / 1024));
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

} // namespace

QImage CKorvexPictureFiles::load(const QString& path)
{
    if (path.trimmed().isEmpty())
        return QImage();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QImage();
    if (file.size() > largestKeptFile) {
        file.close();
        QImageReader reader(path);
        return decode(reader);
    }
    // Comparing the bytes costs far less than decoding them, and a file rewritten within the
    // same clock tick is still seen as changed.
    const QByteArray bytes = file.readAll();
    const QString key = path.startsWith(QLatin1Char(':')) ? path : QFileInfo(path).absoluteFilePath();
    if (const KeptPicture* kept = keptPictures().object(key)) {
        if (kept->fileBytes == bytes)
            return kept->picture;
    }
    const QImage picture = decodeBytes(bytes, path);
    if (picture.isNull()) {
        keptPictures().remove(key);
        return picture;
    }
    const int cost = int(qMax<qint64>(1, (picture.sizeInBytes() + bytes.size()) / 1024));
    keptPictures().insert(key, new KeptPicture{bytes, picture}, cost);
    return picture;
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
}
