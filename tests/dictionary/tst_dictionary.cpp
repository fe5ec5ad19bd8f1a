#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "dictionary/CKorvexDictionary.h"
#include "services/CKorvexProductInfo.h"

#include <QSettings>

using Korvex::CKorvexString;
using Korvex::fromQString;
using Map = CKorvexDictionary::DictionaryMap;

Q_DECLARE_METATYPE(CKorvexDictionary::DictionaryMap)

namespace QTest {
template <>
char* toString(const CKorvexDictionary::DictionaryMap& map)
{
    QStringList entries;
    for (auto entry = map.constBegin(); entry != map.constEnd(); ++entry)
        entries.append(Korvex::toQString(entry.key()) + QLatin1Char('=') + Korvex::toQString(entry.value()));
    return qstrdup(entries.join(QStringLiteral("; ")).toUtf8().constData());
}
} // namespace QTest

namespace {

Map mapOf(std::initializer_list<std::pair<QString, QString>> entries)
{
    Map map;
    for (const auto& entry : entries)
        map.insert(fromQString(entry.first), fromQString(entry.second));
    return map;
}

QStringList storedSettingsKeys()
{
    auto settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(QStringLiteral("DrolvanDictionary"));
    return settings->allKeys();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const Map defaults = mapOf({{"Title", "Korvex Generated PDF"}, {"Author", "Korvex"}, {"Subject", "Korvex 3D Export"}});

} // namespace

class TestDictionary : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstRunWritesTheDefaultEntries();
    void emptiedDictionaryStaysEmptyNextRun();
    void firstTimeFlagOfOneRestoresDefaults();
    void entriesSavedBeforeAnyLoadAreKept();
    void lookupIgnoresCase();
    void settingAndRemovingUseTheStoredKey();
    void keysRoundTripThroughSettings_data();
    void keysRoundTripThroughSettings();
    void plainKeysAreStoredUnderTheirOwnName();
    void fileTextIsRead_data();
    void fileTextIsRead();
    void fileIsWrittenByteForByte();
    void fileRoundTrip();
    void firstKeyStartingWithByteOrderMarkSurvives();
    void importReplacesTheWholeDictionary();
    void unreadableFileIsReported();
    void unwritableTargetIsReported_data();
    void unwritableTargetIsReported();

private:
    QTemporaryDir m_dir;
};

void TestDictionary::init()
{
    KorvexTestEnvironment::clearSettings();
}

void TestDictionary::firstRunWritesTheDefaultEntries()
{
    QCOMPARE(CKorvexDictionary::LoadDictionary(), defaults);
    auto settings = CKorvexProductInfo::openSettings();
    QCOMPARE(settings->value(QStringLiteral("DrolvanDictionaryFlag/IsFirstTime")).toInt(), 0);
    QCOMPARE(storedSettingsKeys(), (QStringList{"Author", "Subject", "Title"}));
}

void TestDictionary::emptiedDictionaryStaysEmptyNextRun()
{
    CKorvexDictionary::LoadDictionary();
    CKorvexDictionary::SaveDictionary(Map());
    QVERIFY(CKorvexDictionary::LoadDictionary().isEmpty());
    QVERIFY(CKorvexDictionary::LoadDictionary().isEmpty());
    QVERIFY(storedSettingsKeys().isEmpty());
}

void TestDictionary::firstTimeFlagOfOneRestoresDefaults()
{
    CKorvexDictionary::SaveDictionary(mapOf({{"Own", "entry"}}));
    CKorvexProductInfo::openSettings()->setValue(QStringLiteral("DrolvanDictionaryFlag/IsFirstTime"), 1);
    QCOMPARE(CKorvexDictionary::LoadDictionary(), defaults);
}

void TestDictionary::entriesSavedBeforeAnyLoadAreKept()
{
    const QString path = m_dir.filePath(QStringLiteral("first.df"));
    writeBytes(path, "Only\nthis\n");
    QVERIFY(CKorvexDictionary::ReadDictionaryFile(path));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), mapOf({{"Only", "this"}}));
}

void TestDictionary::lookupIgnoresCase()
{
    QVERIFY(CKorvexDictionary::HasDictionaryKey(QStringLiteral("TITLE")));
    QVERIFY(!CKorvexDictionary::HasDictionaryKey(QStringLiteral("Titles")));
    QCOMPARE(CKorvexDictionary::DictionaryValue(QStringLiteral("tItLe")), QStringLiteral("Korvex Generated PDF"));
    QCOMPARE(CKorvexDictionary::DictionaryValue(QStringLiteral("missing")), QString());
    QCOMPARE(CKorvexDictionary::StoredDictionaryKey(QStringLiteral("SUBJECT")), QStringLiteral("Subject"));
    QCOMPARE(CKorvexDictionary::StoredDictionaryKey(QStringLiteral("New Key")), QStringLiteral("New Key"));
    CKorvexDictionary::SaveDictionary(mapOf({{QString::fromUtf8("STRASSE Ä"), "x"}}));
    QCOMPARE(CKorvexDictionary::DictionaryValue(QString::fromUtf8("strasse ä")), QStringLiteral("x"));
}

void TestDictionary::settingAndRemovingUseTheStoredKey()
{
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("TITLE"), QStringLiteral("Changed"));
    Map expected = defaults;
    expected.insert(CKorvexString("Title"), CKorvexString("Changed"));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), expected);

    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Extra"), QStringLiteral("1"));
    expected.insert(CKorvexString("Extra"), CKorvexString("1"));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), expected);

    CKorvexDictionary::RemoveDictionaryKey(QStringLiteral("author"));
    CKorvexDictionary::RemoveDictionaryKey(QStringLiteral("not there"));
    expected.remove(CKorvexString("Author"));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), expected);
}

void TestDictionary::keysRoundTripThroughSettings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("spaces") << "a key with spaces " << "v";
    QTest::newRow("slash") << "folder/name" << "v";
    QTest::newRow("leading slash") << "/lead" << "v";
    QTest::newRow("trailing slash") << "trail/" << "v";
    QTest::newRow("double slash") << "a//b" << "v";
    QTest::newRow("backslash") << "C:\\path\\x" << "v";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Größe € 日本") << QString::fromUtf8("wert ü");
    QTest::newRow("percent first") << "%41" << "v";
    QTest::newRow("percent alone") << "%" << "v";
    QTest::newRow("empty") << "" << "empty key";
    QTest::newRow("ini syntax") << ";=#[]\"," << "a, b";
    QTest::newRow("at sign value") << "at" << "@Variant(x)";
    QTest::newRow("line feed value") << "lf" << "one\ntwo";
    QTest::newRow("leading U+FEFF") << QString(QChar(0xFEFF)) + "k" << "v";
    QTest::newRow("leading U+FEFF then control") << QString(QChar(0xFEFF)) + "\x14k" << "v";
    QTest::newRow("value with leading U+FEFF") << "k" << QString(QChar(0xFEFF)) + "v";
    QTest::newRow("encoded key with leading U+FEFF") << QString(QChar(0xFEFF)) + "a/b" << "v";
}

void TestDictionary::keysRoundTripThroughSettings()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    const Map map = mapOf({{key, value}, {"Title", "t"}});
    CKorvexDictionary::SaveDictionary(map);
    QCOMPARE(CKorvexDictionary::LoadDictionary(), map);
    QCOMPARE(CKorvexDictionary::DictionaryValue(key), value);
}

void TestDictionary::plainKeysAreStoredUnderTheirOwnName()
{
    CKorvexDictionary::SaveDictionary(mapOf({{"Name with space", "1"}, {QString::fromUtf8("Größe"), "2"}}));
    QCOMPARE(storedSettingsKeys(), (QStringList{QString::fromUtf8("Größe"), "Name with space"}));
}

void TestDictionary::fileTextIsRead_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Map>("expected");
    QTest::newRow("final line feed") << QByteArray("a\n1\nb\n2\n") << mapOf({{"a", "1"}, {"b", "2"}});
    QTest::newRow("no final line feed") << QByteArray("a\n1\nb\n2") << mapOf({{"a", "1"}, {"b", "2"}});
    QTest::newRow("odd line count") << QByteArray("a\n1\nb") << mapOf({{"a", "1"}});
    QTest::newRow("key with empty value") << QByteArray("a\n1\nb\n") << mapOf({{"a", "1"}, {"b", ""}});
    QTest::newRow("carriage returns kept") << QByteArray("a\r\n1\r\n") << mapOf({{"a\r", "1\r"}});
    QTest::newRow("duplicate key") << QByteArray("k\n1\nk\n2\n") << mapOf({{"k", "2"}});
    QTest::newRow("keys differing in case") << QByteArray("k\n1\nK\n2\n") << mapOf({{"k", "1"}, {"K", "2"}});
    QTest::newRow("empty file") << QByteArray() << Map();
    QTest::newRow("empty lines") << QByteArray("\n\n\n") << mapOf({{"", ""}});
    QTest::newRow("utf-8") << QByteArray("Gr\xC3\xB6\xC3\x9F" "e\n\xE2\x82\xAC 5\n")
                           << mapOf({{QString::fromUtf8("Größe"), QString::fromUtf8("€ 5")}});
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFk\nv\n") << mapOf({{"k", "v"}});
    QTest::newRow("invalid utf-8") << QByteArray("k\xFF\nv\n") << mapOf({{QString::fromUtf8("k\xEF\xBF\xBD"), "v"}});
}

void TestDictionary::fileTextIsRead()
{
    QFETCH(QByteArray, text);
    QFETCH(Map, expected);
    const QString path = m_dir.filePath(QStringLiteral("read.df"));
    writeBytes(path, text);
    KorvexScriptedPrompt prompt;
    QVERIFY(CKorvexDictionary::ReadDictionaryFile(path));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), expected);
    QVERIFY(prompt.messages().isEmpty());
}

void TestDictionary::fileIsWrittenByteForByte()
{
    const QString path = m_dir.filePath(QStringLiteral("written.df"));
    QVERIFY(CKorvexDictionary::WriteDictionaryFile(path, mapOf({{"b", "2"}, {"a", "1"}, {"c\r", QString::fromUtf8("é")}})));
    QCOMPARE(fileBytes(path), QByteArray("a\n1\nb\n2\nc\r\n\xC3\xA9\n"));
    QVERIFY(CKorvexDictionary::WriteDictionaryFile(path, Map()));
    QCOMPARE(fileBytes(path), QByteArray());
    // A line feed cannot be stored; it must not shift the following pairs.
    QVERIFY(CKorvexDictionary::WriteDictionaryFile(path, mapOf({{"k", "one\ntwo"}, {"z", "last"}})));
    QCOMPARE(fileBytes(path), QByteArray("k\none two\nz\nlast\n"));
}

void TestDictionary::fileRoundTrip()
{
    const Map map = mapOf({{"Title", "T"}, {"", "empty key"}, {QString::fromUtf8("日本"), "\r"}, {"x", ""}});
    const QString path = m_dir.filePath(QStringLiteral("round.df"));
    QVERIFY(CKorvexDictionary::WriteDictionaryFile(path, map));
    QVERIFY(CKorvexDictionary::ReadDictionaryFile(path));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), map);
    const QByteArray first = fileBytes(path);
    QVERIFY(CKorvexDictionary::WriteDictionaryFile(path, CKorvexDictionary::LoadDictionary()));
    QCOMPARE(fileBytes(path), first);
}

void TestDictionary::firstKeyStartingWithByteOrderMarkSurvives()
{
    const QString marked = QString(QChar(0xFEFF)) + QStringLiteral("k");
    const Map map = mapOf({{marked, "v"}, {QString(QChar(0xFFFD)), "w"}});
    const QString path = m_dir.filePath(QStringLiteral("marked.df"));
    QVERIFY(CKorvexDictionary::WriteDictionaryFile(path, map));
    QCOMPARE(fileBytes(path), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFk\nv\n\xEF\xBF\xBD\nw\n"));
    QVERIFY(CKorvexDictionary::ReadDictionaryFile(path));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), map);
    // Only a leading mark is doubled: later keys keep theirs as written.
    const Map later = mapOf({{"a", "1"}, {marked, "2"}});
    QVERIFY(CKorvexDictionary::WriteDictionaryFile(path, later));
    QCOMPARE(fileBytes(path), QByteArray("a\n1\n\xEF\xBB\xBFk\n2\n"));
    QVERIFY(CKorvexDictionary::ReadDictionaryFile(path));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), later);
}

void TestDictionary::importReplacesTheWholeDictionary()
{
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Mine"), QStringLiteral("kept?"));
    const QString path = m_dir.filePath(QStringLiteral("import.df"));
    writeBytes(path, "Only\nthis\n");
    QVERIFY(CKorvexDictionary::ReadDictionaryFile(path));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), mapOf({{"Only", "this"}}));
    QCOMPARE(storedSettingsKeys(), QStringList{"Only"});
}

void TestDictionary::unreadableFileIsReported()
{
    const Map before = CKorvexDictionary::LoadDictionary();
    KorvexScriptedPrompt prompt;
    QVERIFY(!CKorvexDictionary::ReadDictionaryFile(m_dir.filePath(QStringLiteral("missing.df"))));
    QVERIFY(!CKorvexDictionary::ReadDictionaryFile(m_dir.path()));
    QCOMPARE(prompt.messages().size(), 2);
    for (const CKorvexMessageRequest& message : prompt.messages()) {
        QCOMPARE(message.title, QStringLiteral("Open faild"));
        QCOMPARE(message.text, QStringLiteral("Unable to open dictionary file"));
        QCOMPARE(message.buttons, QStringList{"Ok"});
        QCOMPARE(message.icon, QMessageBox::Information);
    }
    QCOMPARE(CKorvexDictionary::LoadDictionary(), before);
}

void TestDictionary::unwritableTargetIsReported_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing folder") << QStringLiteral("no/such/folder/out.df");
    QTest::newRow("folder as target") << QStringLiteral("folder");
}

void TestDictionary::unwritableTargetIsReported()
{
    QFETCH(QString, path);
    QDir(m_dir.path()).mkpath(QStringLiteral("folder"));
    KorvexScriptedPrompt prompt;
    QVERIFY(!CKorvexDictionary::WriteDictionaryFile(m_dir.filePath(path), defaults));
    QCOMPARE(prompt.messages().size(), 1);
    QCOMPARE(prompt.messages().first().title, QStringLiteral("Save faild"));
    QCOMPARE(prompt.messages().first().text, QStringLiteral("Unable to save dictionary file"));
    QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("folder"))).isDir());
}

KORVEX_TEST_MAIN(TestDictionary)
#include "tst_dictionary.moc"
