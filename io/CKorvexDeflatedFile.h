#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

/// A file's contents deflated in memory, with what a ZIP entry records of them. Made on any
/// thread, so that the files of a package are deflated together while other work goes on.
class CKorvexDeflatedFile
{
public:
    /// Files above this size are deflated while they are written instead, block by block.
    static constexpr qint64 largestInMemory = 32LL * 1024 * 1024;

    /// The deflated contents of the file, or an invalid one when it cannot be read or is too large.
    static CKorvexDeflatedFile of(const QString& path);

    bool isValid() const { return m_valid; }
    /// True while the file is still the one that was read.
    bool matchesFile() const;
    const QString& path() const { return m_path; }
    const QByteArray& data() const { return m_data; }
    quint32 crc() const { return m_crc; }
    qint64 size() const { return m_size; }
    const QDateTime& modified() const { return m_modified; }

private:
    QString m_path;
    bool m_valid = false;
    QByteArray m_data;
    quint32 m_crc = 0;
    qint64 m_size = 0;
    QDateTime m_modified;
};
