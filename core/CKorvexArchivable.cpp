#include "core/CKorvexArchivable.h"

#include "core/CKorvexArchiveBase.h"

namespace Korvex {

CKorvexArchivable::~CKorvexArchivable() = default;

bool CKorvexArchivable::ArchiveReadWrite(CKorvexArchiveBase& archive)
{
    return archive.IsReading() ? ReadFromArchive(archive) : WriteIntoArchive(archive);
}

} // namespace Korvex
