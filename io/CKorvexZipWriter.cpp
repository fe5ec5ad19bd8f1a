#include "io/CKorvexZipWriter.h"

#include "io/CKorvexDeflatedFile.h"
#include "io/CKorvexZipDevice.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <minizip/zip.h>

namespace {

constexpr uLong utf8NamesFlag = 1u << 11;
constexpr qint64 zip64Threshold = 0xffffffffLL;

zip_fileinfo entryInfo(QDateTime modified)
{
    zip_fileinfo info{};
    // DOS dates cover 1980 to 2107 only.
    const QDateTime first(QDate(1980, 1, 1), QTime(0, 0));
    const QDateTime last(QDate(2107, 12, 31), QTime(23, 59, 58));
    if (!modified.isValid() || modified < first)
        modified = first;
    else if (modified > last)
        modified = last;
    const QDate date = modified.date();
    const QTime time = modified.time();
    info.tmz_date.tm_year = uInt(date.year());
    info.tmz_date.tm_mon = uInt(date.month() - 1);
    info.tmz_date.tm_mday = uInt(date.day());
    info.tmz_date.tm_hour = uInt(time.hour());
    info.tmz_date.tm_min = uInt(time.minute());
    info.tmz_date.tm_sec = uInt(time.second());
    return info;
}

} // namespace

CKorvexZipWriter::CKorvexZipWriter(const QString& targetPath)
    : m_targetPath(targetPath)
{
}

CKorvexZipWriter::~CKorvexZipWriter()
{
    closeArchive();
    if (m_file)
        m_file->cancelWriting();
}

bool CKorvexZipWriter::open()
{
    if (m_file)
        return false;
    m_file = std::make_unique<QSaveFile>(m_targetPath);
    if (!m_file->open(QIODevice::WriteOnly))
        return fail();
    zlib_filefunc64_def functions = CKorvexZipDevice::functions();
    m_zip = zipOpen2_64(m_file.get(), APPEND_STATUS_CREATE, nullptr, &functions);
    return m_zip ? true : fail();
}

bool CKorvexZipWriter::addFile(const QString& entryName, const QString& sourcePath)
{
    if (!m_zip || m_failed)
        return false;
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return fail();
    if (!openEntry(entryName, QFileInfo(sourcePath).lastModified(), false, source.size() >= zip64Threshold))
        return false;
    const bool written = writeData(source);
    if (zipCloseFileInZip(m_zip) != ZIP_OK || !written)
        return fail();
    return true;
}

bool CKorvexZipWriter::addDeflated(const QString& entryName, const CKorvexDeflatedFile& file)
{
    if (!m_zip || m_failed || !file.isValid())
        return false;
    if (!openEntry(entryName, file.modified(), true, false))
        return false;
    const bool written = file.data().isEmpty()
        || zipWriteInFileInZip(m_zip, file.data().constData(), unsigned(file.data().size())) == ZIP_OK;
    if (zipCloseFileInZipRaw64(m_zip, ZPOS64_T(file.size()), uLong(file.crc())) != ZIP_OK || !written)
        return fail();
    return true;
}

bool CKorvexZipWriter::openEntry(const QString& entryName, const QDateTime& modified, bool raw, bool zip64)
{
    const QByteArray name = entryName.toUtf8();
    if (name.isEmpty() || name.size() > maxEntryNameBytes || name.contains('\0'))
        return fail();
    const zip_fileinfo info = entryInfo(modified);
    const int opened = zipOpenNewFileInZip4_64(
        m_zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
        Z_DEFAULT_COMPRESSION, raw ? 1 : 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, 0,
        utf8NamesFlag, zip64 ? 1 : 0);
    return opened == ZIP_OK ? true : fail();
}

bool CKorvexZipWriter::writeData(QFile& source)
{
    QByteArray block(blockSize, Qt::Uninitialized);
    for (;;) {
        const qint64 read = source.read(block.data(), blockSize);
        if (read < 0)
            return false;
        if (read == 0)
            return true;
        if (zipWriteInFileInZip(m_zip, block.constData(), unsigned(read)) != ZIP_OK)
            return false;
    }
}

bool CKorvexZipWriter::commit()
{
    if (!m_zip || m_failed)
        return false;
    const int closed = zipClose(m_zip, nullptr);
    m_zip = nullptr;
    if (closed != ZIP_OK || m_file->error() != QFileDevice::NoError)
        return fail();
    return m_file->commit();
}

bool CKorvexZipWriter::fail()
{
    m_failed = true;
    return false;
}

void CKorvexZipWriter::closeArchive()
{
    if (m_zip)
        zipClose(m_zip, nullptr);
    m_zip = nullptr;
}
