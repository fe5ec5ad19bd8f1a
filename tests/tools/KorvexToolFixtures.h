#pragma once

#include "io/CKorvexPackage.h"
#include "scene/CKorvexDesignerScene.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>

/// Templates the tool's tests make: bare text files and packages saved by the designer's scene.
namespace KorvexToolFixtures {

/// A 400 x 300 page filled red.
inline QString screenBlock()
{
    return QStringLiteral("item begin\ntype:screen\nstart location:0 0\nzvalue:0\nwidth:400\nheight:300\n"
                          "fill color:200 30 30\nis image mode:false\nitem end");
}

/// A blue 50 x 40 rectangle at (100, 100).
inline QString rectBlock()
{
    return QStringLiteral("item begin\ntype:rect\nstart location:100 100\nzvalue:1\nwidth:50\nheight:40\n"
                          "fill color:0 0 255 255\npen color:0 0 0\npen width:1\nitem end");
}

inline QString imageBlock(const QString& path, int z = 2)
{
    return QStringLiteral("item begin\ntype:image\nstart location:200 50\nzvalue:%1\nwidth:60\nheight:60\n"
                          "path:%2\nitem end")
        .arg(QString::number(z), path);
}

inline QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

/// A bare template text file; with headers the two header lines come first.
inline QString writeText(const QString& path, const QStringList& blocks, bool headers = true)
{
    QString text;
    if (headers)
        text = QStringLiteral("Template file versoin 1.0\nkvx file version 11005\n");
    text += blocks.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return writeFile(path, text.toUtf8());
}

inline QString writePicture(const QString& path, const QColor& color, const QSize& size = QSize(20, 20))
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(color);
    return picture.save(path, "PNG") ? path : QString();
}

/// Reads a template as Open does and saves it as Save does, in this process.
inline bool savePackage(const QString& sourcePath, const QString& packagePath)
{
    CKorvexDesignerScene scene;
    scene.resetPage(false);
    return scene.readTemplate(sourcePath) && scene.writeTemplate(packagePath);
}

/// The bytes of one entry of a package, or a null array when it has none of that name.
inline QByteArray packageEntry(const QString& packagePath, const QString& entry)
{
    const QString folder = CKorvexPackage::extractPackage(packagePath);
    if (folder.isEmpty())
        return QByteArray();
    QFile file(folder + QLatin1Char('/') + entry);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QDir(folder).removeRecursively();
    return bytes;
}

} // namespace KorvexToolFixtures
