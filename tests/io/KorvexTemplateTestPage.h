#pragma once

// Builds pages for the template tests from item block text, and reads packages back.

#include "KorvexZipTestArchive.h"
#include "io/CKorvexPackage.h"
#include "scene/CKorvexDesignerItem.h"
#include "io/CKorvexDesignerProperty.h"
#include "scene/CKorvexDesignerScene.h"

#include <QDir>
#include <QGraphicsItem>
#include <QImage>
#include <QString>
#include <QStringList>

namespace KorvexTemplateTest {

/// The record of "key:value" lines, as a file block holds them between its begin and end lines.
inline CKorvexDesignerProperty record(const QStringList& lines)
{
    CKorvexDesignerProperty result;
    result.fromItemBlock(lines.join(QLatin1Char('\n')));
    return result;
}

/// Adds an item through the item builder and returns it.
inline QGraphicsItem* add(CKorvexDesignerScene& scene, const QStringList& lines)
{
    return scene.addItemFromProperties(record(lines)) ? scene.currentItem() : nullptr;
}

inline bool writePng(const QString& path, const QSize& size = QSize(8, 6), QColor color = Qt::red)
{
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(color);
    return picture.save(path, "PNG");
}

/// The bytes of one entry of a package, or a null array when the package lacks it.
inline QByteArray entryData(const QString& packagePath, const QByteArray& name)
{
    const QList<KorvexZipTest::ReadEntry> entries = KorvexZipTest::readArchive(packagePath);
    for (const KorvexZipTest::ReadEntry& entry : entries) {
        if (entry.name == name)
            return entry.data;
    }
    return QByteArray();
}

inline QStringList entryNames(const QString& packagePath)
{
    QStringList names;
    const QList<KorvexZipTest::ReadEntry> entries = KorvexZipTest::readArchive(packagePath);
    for (const KorvexZipTest::ReadEntry& entry : entries)
        names.append(QString::fromUtf8(entry.name));
    names.sort();
    return names;
}

/// The text file of a package, through the program's own extraction.
inline QByteArray packedText(const QString& packagePath)
{
    const QString folder = CKorvexPackage::extractPackage(packagePath);
    if (folder.isEmpty())
        return QByteArray();
    const QByteArray text =
        KorvexZipTest::fileBytes(folder + QLatin1Char('/') + packagePath.mid(packagePath.lastIndexOf(QLatin1Char('/')) + 1));
    QDir(folder).removeRecursively();
    return text;
}

/// The item blocks of a template text, without the header lines.
inline QStringList blocksOf(const QByteArray& text)
{
    QStringList blocks;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    QStringList current;
    for (const QString& line : lines) {
        current.append(line);
        if (line == QLatin1String("item end")) {
            blocks.append(current.join(QLatin1Char('\n')));
            current.clear();
        } else if (line == QLatin1String("item begin")) {
            current = QStringList{line};
        }
    }
    return blocks;
}

/// The "type" of every page item, bottom first.
inline QStringList pageTypes(const CKorvexDesignerScene& scene)
{
    QStringList types;
    const QList<QGraphicsItem*> items = scene.pageItems();
    for (QGraphicsItem* item : items)
        types.append(CKorvexDesignerItem::companionOf(item)->record().value(QStringLiteral("type")).toString());
    return types;
}

} // namespace KorvexTemplateTest
