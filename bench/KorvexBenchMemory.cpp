#include "bench/KorvexBenchMemory.h"

#include <QByteArray>
#include <QFile>

qint64 KorvexBenchMemory::statusField(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(name) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

qint64 KorvexBenchMemory::residentKiB()
{
    return statusField("VmRSS");
}

qint64 KorvexBenchMemory::peakKiB()
{
    return statusField("VmHWM");
}

bool KorvexBenchMemory::resetPeak()
{
    // Writing 5 to clear_refs lowers the high-water mark to the resident set now.
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

