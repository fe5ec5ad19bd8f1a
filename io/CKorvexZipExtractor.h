#pragma once

#include <QString>
#include <QStringList>

class QDateTime;
class QFile;

/// Extracts a ZIP archive into a folder, never writing outside it: hostile names, symbolic
/// links and folder conflicts are skipped; damage and oversized content fail the extraction.
class CKorvexZipExtractor
{
public:
    static constexpr int maxEntries = 100000;
    static constexpr qint64 maxEntryBytes = qint64(1) << 30;
    static constexpr qint64 maxTotalBytes = qint64(1) << 32;

    /// False when the file is no archive, is damaged, or breaks a limit; the folder may
    /// then hold part of the entries.
    static bool extract(const QString& archivePath, const QString& folder);

private:
    explicit CKorvexZipExtractor(void* zip, const QString& folder);

    bool extractAll(quint64 declaredEntries);
    bool extractCurrent();
    bool writeCurrent(const QString& target, qint64 declaredSize, const QDateTime& modified);
    bool copyCurrentData(QFile& target, qint64 declaredSize);
    /// Creates the folders below the extraction folder; false when a component is taken by a
    /// file or a link.
    bool makeFolders(const QStringList& components) const;

    void* m_zip;
    QString m_folder;
    qint64 m_totalBytes = 0;
};
