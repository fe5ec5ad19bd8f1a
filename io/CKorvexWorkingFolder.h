#pragma once

#include <QString>

/// The folders in which a package is assembled before packing or extracted after opening.
class CKorvexWorkingFolder
{
public:
    /// A new folder directly inside the system's temporary folder, named by a braced UUID;
    /// empty when it cannot be created.
    static QString make();
};
