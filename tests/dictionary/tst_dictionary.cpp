#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "dictionary/CKorvexDictionary.h"
#include "services/CKorvexProductInfo.h"

#include <QSettings>

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

const Map defaults = mapOf({{"Title", "Korvex Generated PDF"}, {"Author", "Korvex"}, {"Subject", "Korvex 3D Export"}});

} // namespace

class TestDictionary : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstRunWritesTheDefaultEntriesOnce();
    void importReplacesEverythingAndOutlivesFirstRun();
    void lookupIgnoresCaseAndEditsKeepTheStoredKey();
    void lookupsFollowWritesFromElsewhere();
    void damagedStoreKeepsTheEntries();
    void fileTextIsParsed_data();
    void fileTextIsParsed();
    void fileWrittenAndReadBack_data();
    void fileWrittenAndReadBack();
    void fileFailureIsReported_data();
    void fileFailureIsReported();

private:
    QTemporaryDir m_dir;
};

void TestDictionary::init()
{
    KorvexTestEnvironment::clearSettings();
}

void TestDictionary::firstRunWritesTheDefaultEntriesOnce()
{
    const QString firstTime = QStringLiteral("DrolvanDictionaryFlag/IsFirstTime");
    QCOMPARE(CKorvexDictionary::LoadDictionary(), defaults);
    QCOMPARE(CKorvexProductInfo::openSettings()->value(firstTime).toInt(), 0);
    QCOMPARE(storedSettingsKeys(), (QStringList{"Author", "Subject", "Title"}));
    CKorvexDictionary::SaveDictionary(Map());
    QVERIFY(CKorvexDictionary::LoadDictionary().isEmpty());
    CKorvexDictionary::SaveDictionary(mapOf({{"Own", "entry"}}));
    CKorvexProductInfo::openSettings()->setValue(firstTime, 1);
    QCOMPARE(CKorvexDictionary::LoadDictionary(), defaults);
}

void TestDictionary::importReplacesEverythingAndOutlivesFirstRun()
{
    const QString path = m_dir.filePath(QStringLiteral("import.df"));
    QVERIFY(CKorvexDictionary::WriteDictionaryFile(path, mapOf({{"Only", "this"}})));
    QVERIFY(CKorvexDictionary::ReadDictionaryFile(path)); // before any load
    QCOMPARE(CKorvexDictionary::LoadDictionary(), mapOf({{"Only", "this"}}));
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Mine"), QStringLiteral("kept?"));
    QVERIFY(CKorvexDictionary::ReadDictionaryFile(path));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), mapOf({{"Only", "this"}}));
    QCOMPARE(storedSettingsKeys(), QStringList{"Only"});
}

void TestDictionary::lookupIgnoresCaseAndEditsKeepTheStoredKey()
{
    QVERIFY(CKorvexDictionary::HasDictionaryKey(QStringLiteral("TITLE")));
    QVERIFY(!CKorvexDictionary::HasDictionaryKey(QStringLiteral("Titles")));
    QCOMPARE(CKorvexDictionary::DictionaryValue(QStringLiteral("tItLe")), QStringLiteral("Korvex Generated PDF"));
    QCOMPARE(CKorvexDictionary::DictionaryValue(QStringLiteral("missing")), QString());
    QCOMPARE(CKorvexDictionary::StoredDictionaryKey(QStringLiteral("SUBJECT")), QStringLiteral("Subject"));
    QCOMPARE(CKorvexDictionary::StoredDictionaryKey(QStringLiteral("New Key")), QStringLiteral("New Key"));
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("TITLE"), QStringLiteral("Changed"));
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Extra"), QStringLiteral("1"));
    CKorvexDictionary::RemoveDictionaryKey(QStringLiteral("author"));
    CKorvexDictionary::RemoveDictionaryKey(QStringLiteral("not there"));
    QCOMPARE(CKorvexDictionary::LoadDictionary(),
             mapOf({{"Title", "Changed"}, {"Subject", "Korvex 3D Export"}, {"Extra", "1"}}));

    CKorvexDictionary::SaveDictionary(mapOf({{QString::fromUtf8("STRASSE Ä"), "x"}, {"Name with space", "1"}}));
    QCOMPARE(CKorvexDictionary::DictionaryValue(QString::fromUtf8("strasse ä")), QStringLiteral("x"));
    // Plain keys are stored under their own name.
    QCOMPARE(storedSettingsKeys(), (QStringList{"Name with space", QString::fromUtf8("STRASSE Ä")}));
}

void TestDictionary::lookupsFollowWritesFromElsewhere()
{
    CKorvexDictionary::SaveDictionary(mapOf({{"k", "1"}}));
    QCOMPARE(CKorvexDictionary::DictionaryValue(QStringLiteral("K")), QStringLiteral("1"));
    // Another designer saves: new entries under a new revision.
    auto settings = CKorvexProductInfo::openSettings();
    settings->setValue(QStringLiteral("DrolvanDictionary/k"), QStringLiteral("2"));
    settings->setValue(QStringLiteral("DrolvanDictionaryFlag/Revision"), QStringLiteral("elsewhere"));
    settings.reset();
    QCOMPARE(CKorvexDictionary::DictionaryValue(QStringLiteral("k")), QStringLiteral("2"));
    // An emptied store is a first run again.
    KorvexTestEnvironment::clearSettings();
    QVERIFY(!CKorvexDictionary::HasDictionaryKey(QStringLiteral("k")));
    QCOMPARE(CKorvexDictionary::StoredDictionaryKey(QStringLiteral("TITLE")), QStringLiteral("Title"));
}

void TestDictionary::damagedStoreKeepsTheEntries()
{
    CKorvexDictionary::SaveDictionary(mapOf({{"k", "1"}}));
    const QString path = CKorvexProductInfo::openSettings()->fileName();
    const QByteArray damaged("[DrolvanDictionary\nk=2\n[DrolvanDictionaryFlag]\nRevision=other\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
    file.close();
    QCOMPARE(CKorvexDictionary::DictionaryValue(QStringLiteral("k")), QStringLiteral("1"));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), mapOf({{"k", "1"}}));
    // Nothing, first-run entries least of all, is written over it.
    QCOMPARE(fileBytes(path), damaged);
}

void TestDictionary::fileTextIsParsed_data()
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

void TestDictionary::fileTextIsParsed()
{
    QFETCH(QByteArray, text);
    QFETCH(Map, expected);
    QCOMPARE(CKorvexDictionary::parseDictionaryText(text), expected);
}

void TestDictionary::fileWrittenAndReadBack_data()
{
    QTest::addColumn<Map>("map");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Map>("readBack");
    const QString mark(QChar(0xFEFF));
    const Map ordered = mapOf({{"b", "2"}, {"a", "1"}, {"c\r", QString::fromUtf8("é")}});
    QTest::newRow("map order, CR and UTF-8") << ordered << QByteArray("a\n1\nb\n2\nc\r\n\xC3\xA9\n") << ordered;
    QTest::newRow("empty map") << Map() << QByteArray() << Map();
    const Map empties = mapOf({{"", "empty key"}, {"x", ""}, {QString::fromUtf8("日本"), "\r"}});
    QTest::newRow("empty key and value") << empties << QByteArray("\nempty key\nx\n\n\xE6\x97\xA5\xE6\x9C\xAC\n\r\n")
                                         << empties;
    QTest::newRow("line feed becomes a space") << mapOf({{"k", "one\ntwo"}, {"z", "last"}})
                                               << QByteArray("k\none two\nz\nlast\n")
                                               << mapOf({{"k", "one two"}, {"z", "last"}});
    const Map marked = mapOf({{mark + "k", "v"}, {QString(QChar(0xFFFD)), "w"}});
    QTest::newRow("first key with leading U+FEFF") << marked
                                                   << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFk\nv\n\xEF\xBF\xBD\nw\n")
                                                   << marked;
    const Map later = mapOf({{"a", "1"}, {mark + "k", "2"}});
    QTest::newRow("later key keeps its mark") << later << QByteArray("a\n1\n\xEF\xBB\xBFk\n2\n") << later;
}

void TestDictionary::fileWrittenAndReadBack()
{
    QFETCH(Map, map);
    QFETCH(QByteArray, bytes);
    QFETCH(Map, readBack);
    const QString path = m_dir.filePath(QStringLiteral("written.df"));
    KorvexScriptedPrompt prompt;
    QVERIFY(CKorvexDictionary::WriteDictionaryFile(path, map));
    QCOMPARE(fileBytes(path), bytes);
    QVERIFY(CKorvexDictionary::ReadDictionaryFile(path));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), readBack);
    QVERIFY(CKorvexDictionary::WriteDictionaryFile(path, CKorvexDictionary::LoadDictionary()));
    QCOMPARE(fileBytes(path), bytes);
    QVERIFY(prompt.messages().isEmpty());
}

void TestDictionary::fileFailureIsReported_data()
{
    QTest::addColumn<bool>("reading");
    QTest::addColumn<QString>("path");
    QTest::newRow("read missing file") << true << "missing.df";
    QTest::newRow("read a folder") << true << "folder";
    QTest::newRow("write into missing folder") << false << "no/such/folder/out.df";
    QTest::newRow("write over a folder") << false << "folder";
}

void TestDictionary::fileFailureIsReported()
{
    QFETCH(bool, reading);
    QFETCH(QString, path);
    QDir(m_dir.path()).mkpath(QStringLiteral("folder"));
    const Map before = CKorvexDictionary::LoadDictionary();
    KorvexScriptedPrompt prompt;
    const QString target = m_dir.filePath(path);
    QVERIFY(reading ? !CKorvexDictionary::ReadDictionaryFile(target)
                    : !CKorvexDictionary::WriteDictionaryFile(target, mapOf({{"k", "v"}})));
    QCOMPARE(prompt.messages().size(), 1);
    const CKorvexMessageRequest& box = prompt.messages().first();
    QCOMPARE(QString("%1|%2|%3|%4").arg(box.icon).arg(box.title, box.text, box.buttons.join(',')),
             QString("%1|").arg(QMessageBox::Information) + (reading ? "Open faild|Unable to open dictionary file|Ok"
                                                                     : "Save faild|Unable to save dictionary file|Ok"));
    QCOMPARE(CKorvexDictionary::LoadDictionary(), before);
    QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("folder"))).isDir());
}

KORVEX_TEST_MAIN(TestDictionary)
#include "tst_dictionary.moc"
