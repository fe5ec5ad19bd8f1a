#pragma once

#include <QString>

/// Copies a folder tree, hidden files included, replacing files that exist at the target.
class CKorvexFolderCopy
{
public:
    /// Copies what it can and goes on after a failure; true when everything was copied.
    /// Linked folders are not entered, and a target inside the source is not copied again.
    static bool copyFolder(const QString& sourceFolder, const QString& targetFolder);
};
