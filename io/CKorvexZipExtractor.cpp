#include "io/CKorvexZipExtractor.h"

#include "io/CKorvexEntryName.h"
#include "io/CKorvexZipDevice.h"

#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <minizip/unzip.h>

namespace {

constexpr int blockSize = 16384;
constexpr uLong unixHost = 3;
constexpr uLong fileTypeMask = 0170000;
constexpr uLong symbolicLinkType = 0120000;
constexpr uLong encryptedFlag = 1;

bool isSymbolicLink(const unz_file_info64& info)
{
    return (info.version >> 8) == unixHost && ((info.external_fa >> 16) & fileTypeMask) == symbolicLinkType;
}

/// Closes the current entry on every path out of a read.
class CurrentEntry
{
public:
    explicit CurrentEntry(unzFile zip) : m_zip(zip) {}
    ~CurrentEntry()
    {
        if (m_zip)
            unzCloseCurrentFile(m_zip);
    }
    int close()
    {
        const int result = unzCloseCurrentFile(m_zip);
        m_zip = nullptr;
        return result;
    }

private:
    unzFile m_zip;
};

/// The archive's end record as it lies at the end of the file.
struct EndRecord
{
    bool complete = false;   // the whole record is there
    bool exact = false;      // and its comment ends the file
    int entries = 0;
};

EndRecord readEndRecord(QFile& file)
{
    constexpr int endRecordSize = 22;
    EndRecord record;
    const qint64 tail = qMin(file.size(), qint64(endRecordSize + 0xffff));
    if (tail < endRecordSize || !file.seek(file.size() - tail))
        return record;
    const QByteArray bytes = file.read(tail);
    const int end = bytes.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || bytes.size() - end < endRecordSize)
        return record;
    const auto field = [&bytes, end](int offset) {
        return int(uchar(bytes.at(end + offset))) | int(uchar(bytes.at(end + offset + 1))) << 8;
    };
    record.complete = true;
    record.exact = end + endRecordSize + field(20) == bytes.size();
    record.entries = field(10);
    return record;
}

// The local time an entry records, or an invalid time for a date no calendar has.
QDateTime entryTime(const tm_unz& stamp)
{
    const QDate date(int(stamp.tm_year), int(stamp.tm_mon) + 1, int(stamp.tm_mday));
    const QTime time(int(stamp.tm_hour), int(stamp.tm_min), int(stamp.tm_sec));
    return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
}

} // namespace

bool CKorvexZipExtractor::extract(const QString& archivePath, const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // minizip opens files that stop inside their end record, and refuses an archive that
    // holds nothing but its end record, so the end record is judged here first.
    const EndRecord endRecord = readEndRecord(file);
    if (!endRecord.complete)
        return false;
    if (endRecord.entries == 0)
        return endRecord.exact;
    zlib_filefunc64_def functions = CKorvexZipDevice::functions();
    unzFile zip = unzOpen2_64(&file, &functions);
    if (!zip)
        return false;
    unz_global_info64 global{};
    const bool extracted = unzGetGlobalInfo64(zip, &global) == UNZ_OK
                           && CKorvexZipExtractor(zip, folder).extractAll(global.number_entry);
    unzClose(zip);
    return extracted;
}

CKorvexZipExtractor::CKorvexZipExtractor(void* zip, const QString& folder)
    : m_zip(zip)
    , m_folder(QDir::cleanPath(folder))
{
}

bool CKorvexZipExtractor::extractAll(quint64 declaredEntries)
{
    if (declaredEntries > quint64(maxEntries))
        return false;
    int result = unzGoToFirstFile(m_zip);
    for (int count = 1; result == UNZ_OK; ++count) {
        if (count > maxEntries || !extractCurrent())
            return false;
        result = unzGoToNextFile(m_zip);
    }
    return result == UNZ_END_OF_LIST_OF_FILE;
}

bool CKorvexZipExtractor::extractCurrent()
{
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    // The name buffer is not terminated when it is too small: ask for the length first.
    if (info.size_filename > uLong(0xffff))
        return false;
    QByteArray rawName(int(info.size_filename), '\0');
    if (!rawName.isEmpty()
        && unzGetCurrentFileInfo64(m_zip, nullptr, rawName.data(), uLong(rawName.size()), nullptr, 0,
                                   nullptr, 0) != UNZ_OK)
        return false;
    if (isSymbolicLink(info))
        return true;
    const QStringList components = CKorvexEntryName::safeComponents(rawName);
    if (components.isEmpty())
        return true;
    if (CKorvexEntryName::namesFolder(rawName)) {
        makeFolders(components);
        return true;
    }
    if ((info.flag & encryptedFlag) || info.uncompressed_size > ZPOS64_T(maxEntryBytes))
        return false;
    if (!makeFolders(components.mid(0, components.size() - 1)))
        return true;
    const QString target = m_folder + QLatin1Char('/') + components.join(QLatin1Char('/'));
    const QFileInfo existing(target);
    if (existing.isSymLink() || existing.isDir())
        return true;
    return writeCurrent(target, qint64(info.uncompressed_size), entryTime(info.tmu_date));
}

bool CKorvexZipExtractor::writeCurrent(const QString& target, qint64 declaredSize, const QDateTime& modified)
{
    CurrentEntry entry(m_zip);
    if (unzOpenCurrentFile(m_zip) != UNZ_OK)
        return false;
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (!copyCurrentData(file, declaredSize))
        return false;
    // The entry's time, as unzip gives it: pictures read from a package just opened then count as
    // long unchanged, and are decoded once for every item showing them.
    if (file.flush() && modified.isValid())
        file.setFileTime(modified, QFileDevice::FileModificationTime);
    file.close();
    return entry.close() == UNZ_OK && file.error() == QFileDevice::NoError;
}

bool CKorvexZipExtractor::copyCurrentData(QFile& target, qint64 declaredSize)
{
    QByteArray block(blockSize, Qt::Uninitialized);
    qint64 written = 0;
    for (;;) {
        const int read = unzReadCurrentFile(m_zip, block.data(), unsigned(block.size()));
        if (read < 0)
            return false;
        if (read == 0)
            return written == declaredSize;
        written += read;
        m_totalBytes += read;
        if (written > maxEntryBytes || m_totalBytes > maxTotalBytes)
            return false;
        if (target.write(block.constData(), read) != read)
            return false;
    }
}

bool CKorvexZipExtractor::makeFolders(const QStringList& components) const
{
    QString path = m_folder;
    for (const QString& component : components) {
        path += QLatin1Char('/') + component;
        const QFileInfo info(path);
        if (info.isSymLink())
            return false;
        if (info.exists()) {
            if (!info.isDir())
                return false;
            continue;
        }
        if (!QDir().mkdir(path))
            return false;
    }
    return true;
}
