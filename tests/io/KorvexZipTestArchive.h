#pragma once

// Builds and inspects archives for the package tests, including deliberately broken ones.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QList>
#include <QString>

#include <minizip/unzip.h>
#include <minizip/zip.h>

namespace KorvexZipTest {

constexpr uLong unixHost = 3;
constexpr uLong symbolicLinkMode = 0120777;

struct Entry
{
    QByteArray name;
    QByteArray data;
    int method = Z_DEFLATED;
    uLong versionMadeBy = 0;
    uLong externalAttributes = 0;
};

inline Entry symbolicLink(const QByteArray& name, const QByteArray& target)
{
    return Entry{name, target, 0, unixHost << 8 | 20, symbolicLinkMode << 16};
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
    QByteArray name;
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
        if (unzOpenCurrentFile(zip) != UNZ_OK || unzReadCurrentFile(zip, data.data(), unsigned(data.size())) != data.size()
            || unzCloseCurrentFile(zip) != UNZ_OK) {
            entries.clear();
            break;
        }
        entries.append(ReadEntry{name, info.flag, info.compression_method, data});
    }
    unzClose(zip);
    return entries;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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

inline void putLittleEndian32(QByteArray& bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xff);
}

inline void putLittleEndian16(QByteArray& bytes, int offset, quint16 value)
{
    bytes[offset] = char(value & 0xff);
    bytes[offset + 1] = char(value >> 8);
}

/// Offsets of the first local and central header of a one-entry archive.
inline int localHeader(const QByteArray& bytes)
{
    return bytes.indexOf(QByteArray("PK\x03\x04", 4));
}

inline int centralHeader(const QByteArray& bytes)
{
    return bytes.indexOf(QByteArray("PK\x01\x02", 4));
}

} // namespace KorvexZipTest
