// Reads hostile "action" texts as a template of either layout would carry them, and holds the
// archive to its promise: whatever reads is written back in the current layout, and that text
// reads again and writes back unchanged.

#include "actions/CKorvexActionEnabled.h"
#include "core/CKorvexAction.h"
#include "fuzz/KorvexFuzzEnvironment.h"

#include <QString>

namespace {

constexpr char target[] = "actionarchive";

void checkRoundTrip(const QString& text, const CKorvexActionEnabled& read)
{
    const QString written = read.ActionToString();
    KORVEX_FUZZ_CHECK(target, !written.isEmpty(), QStringLiteral("an action that read did not write"));
    CKorvexActionEnabled again;
    again.SetActionVersion(Korvex::kKorvexActionVersionCurrent);
    KORVEX_FUZZ_CHECK(target, again.ActionFromString(written), written);
    KORVEX_FUZZ_CHECK(target, again.ActionToString() == written, written);
    // Strings are written up to their first NUL, so only NUL-free texts come back whole.
    if (!text.contains(QChar(0)))
        KORVEX_FUZZ_CHECK(target, again.GetAction() == read.GetAction(), written);
}

void readAtVersion(const QString& text, unsigned version)
{
    CKorvexActionEnabled item;
    item.SetActionVersion(version);
    if (item.ActionFromString(text))
        checkRoundTrip(text, item);
    else
        KORVEX_FUZZ_CHECK(target, item.GetAction().IsNull(), QStringLiteral("a failed read changed the action"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    KorvexFuzzEnvironment::instance();
    const QString text = korvexFuzzText(data, size);
    readAtVersion(text, Korvex::kKorvexActionVersionLegacy);
    readAtVersion(text, Korvex::kKorvexActionVersionCurrent);
    return 0;
}
