#include "io/CKorvexPackage.h"

#include "io/CKorvexWorkingFolder.h"
#include "io/CKorvexZipExtractor.h"
#include "io/CKorvexZipWriter.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace

bool CKorvexPackage::listFiles(const QString& folder, QStringList& relativePaths)
{
    relativePaths.clear();
    if (!listTree(folder, QString(), relativePaths))
        return false;
    relativePaths.sort();
    return true;
}

bool CKorvexPackage::writePackage(const QString& workingFolder, const QString& targetPath)
{
    QStringList files;
    if (!listFiles(workingFolder, files))
        return false;
    CKorvexZipWriter writer(targetPath);
    if (!writer.open())
        return false;
    for (const QString& relative : files) {
        if (!writer.addFile(relative, workingFolder + QLatin1Char('/') + relative))
            return false;
    }
    return writer.commit();
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
