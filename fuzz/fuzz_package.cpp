// Opens hostile template packages and holds extraction to its promise: whatever the archive
// says, nothing is written outside the new working folder, no link is made, and a failed
// extraction leaves no folder behind; reading one entry alone never fails worse than refusing.
// Reading what was extracted is the template target's.

#include "fuzz/KorvexFuzzEnvironment.h"
#include "io/CKorvexPackage.h"
#include "io/CKorvexZipEntryReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr char target[] = "package";

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

void checkNoLinks(const QString& folder)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        KORVEX_FUZZ_CHECK(target, !info.isSymLink(), info.filePath());
        KORVEX_FUZZ_CHECK(target, info.isDir() || info.isFile(), info.filePath());
    }
}

void checkExtracted(const QString& temp, const QString& input, const QString& folder)
{
    const QStringList expected = folder.isEmpty()
                                     ? QStringList{QFileInfo(input).fileName()}
                                     : QStringList{QFileInfo(input).fileName(), QFileInfo(folder).fileName()};
    QStringList found = entriesOf(temp);
    QStringList sortedExpected = expected;
    sortedExpected.sort();
    KORVEX_FUZZ_CHECK(target, found == sortedExpected, found.join(QLatin1Char('\n')));
    if (folder.isEmpty())
        return;
    KORVEX_FUZZ_CHECK(target, QFileInfo(folder).dir() == QDir(temp), folder);
    checkNoLinks(folder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString temp = KorvexFuzzEnvironment::instance().tempPath();
    const QString input = KorvexFuzzEnvironment::instance().writeInput(target, QStringLiteral("input.ktf"), data, size);

    const QString folder = CKorvexPackage::extractPackage(input);
    checkExtracted(temp, input, folder);
    if (!folder.isEmpty())
        QDir(folder).removeRecursively();
    // The quick look at one entry reads the same hostile archives.
    CKorvexZipEntryReader::read(input, QStringLiteral("_preview.png"), 1 << 20);
    QFile::remove(input);
    return 0;
}
