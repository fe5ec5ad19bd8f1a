#include "io/CKorvexZipEntryReader.h"

#include "io/CKorvexZipDevice.h"

#include <QFile>

#include <minizip/unzip.h>

namespace {

constexpr int blockSize = 16384;
constexpr uLong encryptedFlag = 1;

} // namespace

CKorvexZipEntryReader CKorvexZipEntryReader::read(const QString& archivePath, const QString& entryName,
                                                  qint64 maxBytes)
{
    CKorvexZipEntryReader result;
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly) || !file.peek(4).startsWith("PK"))
        return result;
    result.m_status = Status::Damaged;
    zlib_filefunc64_def functions = CKorvexZipDevice::functions();
    unzFile zip = unzOpen2_64(&file, &functions);
    if (!zip)
        return result;
    const QByteArray name = entryName.toUtf8();
    const int located = unzLocateFile(zip, name.constData(), 1);
    if (located == UNZ_END_OF_LIST_OF_FILE)
        result.m_status = Status::Missing;
    else if (located == UNZ_OK && result.readCurrent(zip, maxBytes))
        result.m_status = Status::Found;
    unzClose(zip);
    return result;
}

bool CKorvexZipEntryReader::readCurrent(void* zip, qint64 maxBytes)
{
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK
        || (info.flag & encryptedFlag) || info.uncompressed_size > ZPOS64_T(maxBytes)
        || unzOpenCurrentFile(zip) != UNZ_OK)
        return false;
    QByteArray block(blockSize, Qt::Uninitialized);
    int read = 0;
    while ((read = unzReadCurrentFile(zip, block.data(), unsigned(block.size()))) > 0
           && m_bytes.size() + read <= maxBytes)
        m_bytes.append(block.constData(), read);
    // Closing compares the data with its CRC.
    const bool complete = read == 0 && unzCloseCurrentFile(zip) == UNZ_OK
                          && m_bytes.size() == qint64(info.uncompressed_size);
    if (!complete)
        m_bytes.clear();
    return complete;
}
