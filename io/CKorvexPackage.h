#pragma once

#include <QFuture>
#include <QList>
#include <QStringList>

class CKorvexDeflatedFile;

/// The template package on disk: packing a working folder into one file and extracting a
/// package into a fresh working folder.
class CKorvexPackage
{
public:
    /// Packs every file of the folder tree (hidden files included, links not followed) under
    /// its "/"-separated relative path. The target is replaced only when packing succeeded.
    /// Files already deflated and unchanged since are written as they are; the others are
    /// deflated together, one per core, as far as memory allows, and the rest streamed.
    static bool writePackage(const QString& workingFolder, const QString& targetPath,
                             const QList<CKorvexDeflatedFile>& deflated = {});
    /// Deflates the files of the folder, given relative, together, one per core, while the caller
    /// goes on; files that do not fit in memory are left to writePackage.
    static QFuture<CKorvexDeflatedFile> deflateFiles(const QString& workingFolder, QStringList relativePaths);
    /// The new working folder holding the package's entries, or an empty path when no folder
    /// can be made or the file cannot be extracted (no archive, damaged, too large).
    static QString extractPackage(const QString& packagePath);
    /// The files of the folder tree, relative, "/"-separated and sorted; false when a folder
    /// of the tree cannot be read.
    static bool listFiles(const QString& folder, QStringList& relativePaths);
};
