#pragma once

#include <QStringList>

class QByteArray;

/// Judges the raw name of an archive entry before anything is extracted under it.
class CKorvexEntryName
{
public:
    /// The folder components of a name that stays inside the extraction folder, or an empty
    /// list for a name to skip: empty, absolute, drive-prefixed, holding NUL or "..".
    /// Backslashes count as separators; names are read as UTF-8.
    static QStringList safeComponents(const QByteArray& rawName);
    /// True when the entry names a folder (its name ends with a separator).
    static bool namesFolder(const QByteArray& rawName);
};
