#include "KorvexTestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {

bool makeFolderOf(const QString& path)
{
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

} // namespace

bool KorvexTestFiles::writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return makeFolderOf(path) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool KorvexTestFiles::writePng(const QString& path, const QSize& size, const QColor& color)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(color);
    return makeFolderOf(path) && !picture.isNull() && picture.save(path, "PNG");
}
