#include "io/CKorvexDeflatedFile.h"

#include <QFile>
#include <QFileInfo>

#include <zlib.h>

namespace {

constexpr int memoryLevel = 8;

// Raw deflate as the archive writer streams it: the same bytes, in one call.
bool deflateAll(const QByteArray& input, QByteArray& output)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, memoryLevel, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    output.resize(int(deflateBound(&stream, uLong(input.size()))));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.constData()));
    stream.avail_in = uInt(input.size());
    stream.next_out = reinterpret_cast<Bytef*>(output.data());
    stream.avail_out = uInt(output.size());
    const int result = deflate(&stream, Z_FINISH);
    output.resize(int(stream.total_out));
    deflateEnd(&stream);
    return result == Z_STREAM_END;
}

} // namespace

CKorvexDeflatedFile CKorvexDeflatedFile::of(const QString& path)
{
    CKorvexDeflatedFile deflated;
    deflated.m_path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestInMemory)
        return deflated;
    deflated.m_modified = QFileInfo(file).lastModified();
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError || !deflateAll(contents, deflated.m_data))
        return deflated;
    deflated.m_size = contents.size();
    deflated.m_crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(contents.constData()), uInt(contents.size())));
    deflated.m_valid = true;
    return deflated;
}

bool CKorvexDeflatedFile::matchesFile() const
{
    const QFileInfo now(m_path);
    return m_valid && now.isFile() && now.size() == m_size && now.lastModified() == m_modified;
}
