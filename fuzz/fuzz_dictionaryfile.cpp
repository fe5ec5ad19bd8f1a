// Imports hostile dictionary files and holds the import to its promise: the settings store
// gives back exactly the entries the file held, and exporting them reads back the same.
// The export is read back without a second import: every import costs a large read buffer,
// which the address sanitizer makes slow.

#include "dictionary/CKorvexDictionary.h"
#include "fuzz/KorvexFuzzEnvironment.h"

#include <QFile>

namespace {

constexpr char target[] = "dictionaryfile";

/// Printable ASCII as is, everything else as a code unit number, so that invisible differences show.
QString visible(const Korvex::CKorvexString& text)
{
    QString shown;
    for (const QChar ch : Korvex::toQString(text)) {
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7f)
            shown += ch;
        else
            shown += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
    }
    return shown;
}

QString describe(const CKorvexDictionary::DictionaryMap& dictionary)
{
    QString text;
    for (auto entry = dictionary.constBegin(); entry != dictionary.constEnd(); ++entry)
        text += QStringLiteral("[%1] = [%2]\n").arg(visible(entry.key()), visible(entry.value()));
    return text;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void checkExport(const QString& path, const CKorvexDictionary::DictionaryMap& stored)
{
    KORVEX_FUZZ_CHECK(target, CKorvexDictionary::WriteDictionaryFile(path, stored), path);
    const QByteArray exported = readFile(path);
    KORVEX_FUZZ_CHECK(target, exported == CKorvexDictionary::dictionaryText(stored), describe(stored));
    KORVEX_FUZZ_CHECK(target, CKorvexDictionary::parseDictionaryText(exported) == stored, describe(stored));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = KorvexFuzzEnvironment::instance().writeInput(target, QStringLiteral("input.df"), data, size);
    const QByteArray bytes = korvexFuzzBytes(data, size);
    KORVEX_FUZZ_CHECK(target, CKorvexDictionary::ReadDictionaryFile(path), path);
    const CKorvexDictionary::DictionaryMap expected = CKorvexDictionary::parseDictionaryText(bytes);
    const CKorvexDictionary::DictionaryMap stored = CKorvexDictionary::LoadDictionary();
    KORVEX_FUZZ_CHECK(target, stored == expected,
                      QStringLiteral("file:\n%1stored:\n%2").arg(describe(expected), describe(stored)));
    checkExport(path, stored);
    QFile::remove(path);
    return 0;
}
