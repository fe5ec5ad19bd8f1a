#pragma once

#include <QtGlobal>

/// The resident set of this process, read from the kernel (Linux only; -1 elsewhere).
class KorvexBenchMemory
{
public:
    /// The resident set now, in KiB.
    static qint64 residentKiB();
    /// The highest resident set since start or since the last resetPeak(), in KiB.
    static qint64 peakKiB();
    /// Starts a new peak from the resident set now; false when the kernel refuses.
    static bool resetPeak();


private:
    static qint64 statusField(const char* name);
};
