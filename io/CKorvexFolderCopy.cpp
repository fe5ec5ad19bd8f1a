#include "io/CKorvexFolderCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool copyFile(const QString& source, const QString& target)
{
    if (QFileInfo(target).isDir())
        return false;
    QFile::remove(target);
    return QFile::copy(source, target);
}

bool copyTree(const QString& source, const QString& target, const QString& skipped)
{
    if (!QDir().mkpath(target))
        return false;
    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    bool copied = QFileInfo(source).isReadable();
    for (const QFileInfo& entry : entries) {
        const QString targetPath = target + QLatin1Char('/') + entry.fileName();
        if (entry.isDir()) {
            if (entry.isSymLink() || entry.canonicalFilePath() == skipped)
                continue;
            copied = copyTree(entry.filePath(), targetPath, skipped) && copied;
        } else {
            copied = copyFile(entry.filePath(), targetPath) && copied;
        }
    }
    return copied;
}

} // namespace

bool CKorvexFolderCopy::copyFolder(const QString& sourceFolder, const QString& targetFolder)
{
    if (!QFileInfo(sourceFolder).isDir())
        return false;
    if (!QDir().mkpath(targetFolder))
        return false;
    // The target may lie inside the source (a page whose HTML folder holds the temporary one).
    const QString target = QFileInfo(targetFolder).canonicalFilePath();
    if (target == QFileInfo(sourceFolder).canonicalFilePath())
        return false;
    return copyTree(sourceFolder, targetFolder, target);
}
