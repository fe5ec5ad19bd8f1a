#include "core/CKorvexFileState.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace Korvex {

CKorvexFileState CKorvexFileState::of(const QString& path)
{
    CKorvexFileState state;
#ifdef Q_OS_UNIX
    // Resources live inside the program, where only Qt can look.
    if (!path.startsWith(QLatin1Char(':'))) {
        struct stat status;
        if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
            state.exists = true;
            state.isFile = S_ISREG(status.st_mode);
            state.size = status.st_size;
            state.modified = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
            state.node = status.st_ino;
        }
        return state;
    }
#endif
    const QFileInfo file(path);
    state.exists = file.exists();
    state.isFile = file.isFile();
    state.size = file.size();
    state.modified = file.lastModified().toMSecsSinceEpoch() * 1000000;
    return state;
}

bool CKorvexFileState::operator==(const CKorvexFileState& other) const
{
    return exists == other.exists && isFile == other.isFile && size == other.size && modified == other.modified
        && node == other.node;
}

} // namespace Korvex
