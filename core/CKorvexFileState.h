#pragma once

#include <QString>
#include <QtGlobal>

namespace Korvex {

/// What the file system says of a file, enough to tell that it changed. Read straight from the
/// system where it can be: QFileInfo converts every time it gives to local time, which costs ten
/// times the check itself, and pages check thousands of files.
struct CKorvexFileState
{
    bool exists = false;
    bool isFile = false;
    qint64 size = 0;
    /// Nanoseconds since the epoch.
    qint64 modified = 0;
    /// A file rewritten into a new one within one tick of its time shows a new node.
    quint64 node = 0;

    static CKorvexFileState of(const QString& path);
    bool operator==(const CKorvexFileState& other) const;
    bool operator!=(const CKorvexFileState& other) const { return !(*this == other); }
};

} // namespace Korvex
