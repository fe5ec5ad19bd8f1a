#include "io/CKorvexPackage.h"

#include "io/CKorvexDeflatedFile.h"
#include "io/CKorvexWorkingFolder.h"
#include "io/CKorvexZipExtractor.h"
#include "io/CKorvexZipWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QtConcurrent>

namespace {

bool listTree(const QString& folder, const QString& prefix, QStringList& relativePaths)
{
    const QFileInfo folderInfo(folder);
    if (!folderInfo.isDir() || !folderInfo.isReadable() || !folderInfo.isExecutable())
        return false;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink())
            continue;
        const QString relative = prefix + entry.fileName();
        if (entry.isDir()) {
            if (!listTree(entry.filePath(), relative + QLatin1Char('/'), relativePaths))
                return false;
        } else if (entry.isFile()) {
            relativePaths.append(relative);
        }
    }
    return true;
}

// Files deflated in memory together, up to this many bytes of them; the others are streamed.
constexpr qint64 inMemoryBytes = 64LL * 1024 * 1024;

// Files, in order, whose contents fit together within budget.
QStringList filesWithin(const QStringList& paths, qint64 budget)
{
    QStringList fitting;
    for (const QString& path : paths) {
        const qint64 size = QFileInfo(path).size();
        if (size > CKorvexDeflatedFile::largestInMemory || size > budget)
            continue;
        budget -= size;
        fitting.append(path);
    }
    return fitting;
}

} // namespace

bool CKorvexPackage::listFiles(const QString& folder, QStringList& relativePaths)
{
    relativePaths.clear();
    if (!listTree(folder, QString(), relativePaths))
        return false;
    relativePaths.sort();
    return true;
}

bool CKorvexPackage::writePackage(const QString& workingFolder, const QString& targetPath,
                                  const QList<CKorvexDeflatedFile>& deflated)
{
    QStringList files;
    if (!listFiles(workingFolder, files))
        return false;
    QHash<QString, CKorvexDeflatedFile> ready;
    qint64 budget = inMemoryBytes;
    for (const CKorvexDeflatedFile& file : deflated) {
        if (file.matchesFile()) {
            ready.insert(file.path(), file);
            budget -= file.size();
        }
    }
    QStringList due;
    for (const QString& relative : qAsConst(files)) {
        const QString path = workingFolder + QLatin1Char('/') + relative;
        if (!ready.contains(path))
            due.append(path);
    }
    const QList<CKorvexDeflatedFile> late =
        QtConcurrent::blockingMapped(filesWithin(due, budget), &CKorvexDeflatedFile::of);
    for (const CKorvexDeflatedFile& file : late)
        ready.insert(file.path(), file);

    CKorvexZipWriter writer(targetPath);
    if (!writer.open())
        return false;
    for (const QString& relative : qAsConst(files)) {
        const QString path = workingFolder + QLatin1Char('/') + relative;
        const CKorvexDeflatedFile file = ready.value(path);
        // Large or unreadable files go the streamed way, which also reports the failure.
        const bool added = file.isValid() ? writer.addDeflated(relative, file) : writer.addFile(relative, path);
        if (!added)
            return false;
    }
    return writer.commit();
}

QFuture<CKorvexDeflatedFile> CKorvexPackage::deflateFiles(const QString& workingFolder, QStringList relativePaths)
{
    for (QString& relative : relativePaths)
        relative.prepend(workingFolder + QLatin1Char('/'));
    return QtConcurrent::mapped(filesWithin(relativePaths, inMemoryBytes), &CKorvexDeflatedFile::of);
}

QString CKorvexPackage::extractPackage(const QString& packagePath)
{
    const QString folder = CKorvexWorkingFolder::make();
    if (folder.isEmpty())
        return QString();
    if (CKorvexZipExtractor::extract(packagePath, folder))
        return folder;
    QDir(folder).removeRecursively();
    return QString();
}
