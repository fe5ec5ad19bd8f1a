#pragma once

#include <QByteArray>
#include <QString>

/// Reads one entry of a ZIP archive without extracting the others, for quick looks into a
/// package (its preview picture).
class CKorvexZipEntryReader
{
public:
    enum class Status {
        NotArchive, ///< the file does not start as a ZIP archive
        Missing,    ///< an archive without that entry
        Found,      ///< bytes() holds the entry
        Damaged,    ///< starts as an archive but does not read, or the entry is over the limit
    };

    /// Looks for the entry named exactly entryName; entries over maxBytes count as damage.
    static CKorvexZipEntryReader read(const QString& archivePath, const QString& entryName, qint64 maxBytes);

    Status status() const { return m_status; }
    const QByteArray& bytes() const { return m_bytes; }

private:
    bool readCurrent(void* zip, qint64 maxBytes);

    Status m_status = Status::NotArchive;
    QByteArray m_bytes;
};
