#pragma once

// Writes archives for the package tests, broken ones included, and reads packages back
// through minizip rather than through the program's own extraction.

#include "KorvexTestPage.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMap>
#include <QString>

#include <minizip/unzip.h>
#include <minizip/zip.h>

namespace KorvexZipTest {

struct Entry
{
    QByteArray name;
    QByteArray data;
    int method = Z_DEFLATED;
    uLong versionMadeBy = 0;
    uLong externalAttributes = 0;
};

/// A link entry as a Unix archiver writes it: host 3, file type 0120000 in the upper attributes.
inline Entry symbolicLink(const QByteArray& name, const QByteArray& target)
{
    return Entry{name, target, 0, 3 << 8 | 20, 0120777u << 16};
}

inline bool writeArchive(const QString& path, const QList<Entry>& entries)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool written = true;
    for (const Entry& entry : entries) {
        zip_fileinfo info{};
        info.external_fa = entry.externalAttributes;
        const int level = entry.method == Z_DEFLATED ? Z_DEFAULT_COMPRESSION : 0;
        written = written
                  && zipOpenNewFileInZip4_64(zip, entry.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                                             entry.method, level, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                             Z_DEFAULT_STRATEGY, nullptr, 0, entry.versionMadeBy, 1 << 11, 0)
                         == ZIP_OK
                  && zipWriteInFileInZip(zip, entry.data.constData(), unsigned(entry.data.size())) == ZIP_OK
                  && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && written;
}

struct ReadEntry
{
    QString name;
    uLong flag = 0;
    uLong method = 0;
    QByteArray data;
};

/// Every entry with its data, or an empty list when the archive cannot be read completely.
inline QList<ReadEntry> readArchive(const QString& path)
{
    QList<ReadEntry> entries;
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip)
        return entries;
    for (int result = unzGoToFirstFile(zip); result == UNZ_OK; result = unzGoToNextFile(zip)) {
        unz_file_info64 info{};
        QByteArray name(1024, '\0');
        unzGetCurrentFileInfo64(zip, &info, name.data(), uLong(name.size()), nullptr, 0, nullptr, 0);
        name.truncate(int(info.size_filename));
        QByteArray data(int(info.uncompressed_size), '\0');
        if (unzOpenCurrentFile(zip) != UNZ_OK
            || unzReadCurrentFile(zip, data.data(), unsigned(data.size())) != data.size()
            || unzCloseCurrentFile(zip) != UNZ_OK) {
            entries.clear();
            break;
        }
        entries.append(ReadEntry{QString::fromUtf8(name), info.flag, info.compression_method, data});
    }
    unzClose(zip);
    return entries;
}

/// The data of every entry by name; names sort as QStringList::sort does.
inline QMap<QString, QByteArray> entriesOf(const QString& path)
{
    QMap<QString, QByteArray> entries;
    for (const ReadEntry& entry : readArchive(path))
        entries.insert(entry.name, entry.data);
    return entries;
}

/// The text file of a package: the entry named like the package.
inline QByteArray packedText(const QString& path)
{
    return entriesOf(path).value(QFileInfo(path).fileName());
}

/// One value of every item block in a package's text file, bottom first, joined by "|".
inline QString packedValues(const QString& path, const QString& key)
{
    QStringList values;
    const QStringList blocks = QString::fromUtf8(packedText(path)).split(QStringLiteral("item begin\n"));
    for (const QString& block : blocks.mid(1))
        values.append(KorvexTestPage::record(block.split(QLatin1Char('\n'))).value(key).toString());
    return values.join(QLatin1Char('|'));
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Every path below root, relative, links included and not followed, sorted.
inline QStringList treeOf(const QString& root)
{
    QStringList paths;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(QDir(root).relativeFilePath(it.next()));
    paths.sort();
    return paths;
}

} // namespace KorvexZipTest
