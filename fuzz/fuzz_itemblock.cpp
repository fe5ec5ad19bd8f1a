// Reads hostile item blocks as the template reader and the clipboard hand them over, and holds
// the record to its text form: a block written from what was read reads back to the same block.

#include "fuzz/KorvexFuzzEnvironment.h"
#include "io/CKorvexDesignerProperty.h"

#include <QStringList>

namespace {

constexpr char target[] = "itemblock";

/// The lines between "item begin" and "item end", as a caller cuts them out.
QString innerLines(const QString& block)
{
    QStringList lines = block.split(QLatin1Char('\n'));
    KORVEX_FUZZ_CHECK(target, lines.size() >= 2, block);
    KORVEX_FUZZ_CHECK(target, lines.first() == QLatin1String("item begin"), block);
    KORVEX_FUZZ_CHECK(target, lines.last() == QLatin1String("item end"), block);
    return lines.mid(1, lines.size() - 2).join(QLatin1Char('\n'));
}

void checkRecord(const CKorvexDesignerProperty& record)
{
    const QString block = record.toItemBlock();
    CKorvexDesignerProperty again;
    again.fromItemBlock(innerLines(block));
    KORVEX_FUZZ_CHECK(target, again.toItemBlock() == block, block);
    KORVEX_FUZZ_CHECK(target, again.keys() == record.keys(), block);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    KorvexFuzzEnvironment::instance();
    CKorvexDesignerProperty record;
    record.fromItemBlock(korvexFuzzText(data, size));
    checkRecord(record);
    return 0;
}
