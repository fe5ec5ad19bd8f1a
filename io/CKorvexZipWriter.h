#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

class CKorvexDeflatedFile;
class QFile;
class QSaveFile;

/// Writes a ZIP archive entry by entry (UTF-8 names, deflate) into a temporary file beside
/// the target, and replaces the target only when the whole archive was written.
class CKorvexZipWriter
{
public:
    static constexpr int blockSize = 16384;
    static constexpr int maxEntryNameBytes = 65535;

    explicit CKorvexZipWriter(const QString& targetPath);
    /// An archive that was not committed is discarded; the target stays as it was.
    ~CKorvexZipWriter();

    CKorvexZipWriter(const CKorvexZipWriter&) = delete;
    CKorvexZipWriter& operator=(const CKorvexZipWriter&) = delete;

    bool open();
    /// Adds the file's contents under the "/"-separated entry name. After a failure the
    /// archive can only be discarded.
    bool addFile(const QString& entryName, const QString& sourcePath);
    /// Adds contents deflated beforehand, as they are.
    bool addDeflated(const QString& entryName, const CKorvexDeflatedFile& file);
    /// Closes the archive and moves it over the target.
    bool commit();

private:
    bool fail();
    bool openEntry(const QString& entryName, const QDateTime& modified, bool raw, bool zip64);
    bool writeData(QFile& source);
    void closeArchive();

    QString m_targetPath;
    std::unique_ptr<QSaveFile> m_file;
    void* m_zip = nullptr;
    bool m_failed = false;
};
