#pragma once

#include <minizip/ioapi.h>

/// minizip's file functions over an open Qt file device, so that archives are read through
/// QFile and written through QSaveFile (Unicode paths, atomic replacement).
class CKorvexZipDevice
{
public:
    /// For zipOpen2_64 / unzOpen2_64: pass the open QFileDevice itself as the path.
    /// Closing the archive leaves the device open; its owner closes or commits it.
    static zlib_filefunc64_def functions();
};
