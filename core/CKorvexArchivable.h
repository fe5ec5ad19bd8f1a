#pragma once

namespace Korvex {

class CKorvexArchiveBase;

/// An object that writes itself into an archive as a flat series of values and reads itself back.
class CKorvexArchivable
{
public:
    virtual ~CKorvexArchivable();

    /// Reads or writes, as the archive's direction says.
    virtual bool ArchiveReadWrite(CKorvexArchiveBase& archive);
    virtual bool ReadFromArchive(CKorvexArchiveBase& archive) = 0;
    virtual bool WriteIntoArchive(CKorvexArchiveBase& archive) const = 0;
};

} // namespace Korvex
