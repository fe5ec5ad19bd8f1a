#include "KorvexTestMain.h"
#include "KorvexZipTestArchive.h"
#include "io/CKorvexZipExtractor.h"

using namespace KorvexZipTest;

namespace {

const QByteArray goodData("good contents");

/// A temporary root holding the archive and the extraction folder "work"; everything
/// extracted must stay below "work".
class Sandbox
{
public:
    Sandbox()
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("work"));
        QDir(m_dir.path()).mkdir(QStringLiteral("archives"));
    }
    QString root() const { return m_dir.path(); }
    QString work() const { return m_dir.path() + QStringLiteral("/work"); }
    QString archive() const { return m_dir.path() + QStringLiteral("/archives/package.ktf"); }
    bool extract() const { return CKorvexZipExtractor::extract(archive(), work()); }
    /// Everything outside "work": the archive folder and what the test made itself.
    QStringList outside() const
    {
        QStringList paths;
        for (const QString& path : treeOf(root())) {
            if (path != QLatin1String("work") && !path.startsWith(QLatin1String("work/")))
                paths.append(path);
        }
        return paths;
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

class TestExtraction : public QObject
{
    Q_OBJECT

private slots:
    void hostileNamesAreSkipped_data();
    void hostileNamesAreSkipped();
    void nameWithNulIsSkipped();
    void folderEntriesStayInside();
    void symbolicLinkEntryIsNotCreated();
    void existingLinkIsNeverWrittenThrough();
    void entryUnderAFileIsSkipped();
    void laterEntryOfTheSameNameWins();
    void invalidUtf8NameIsExtracted();
    void truncatedArchiveFails();
    void crcErrorFails();
    void lyingSizesFail_data();
    void lyingSizesFail();
    void oversizedEntryFailsBeforeWriting();
    void encryptedOrUnknownMethodFails();
    void damagedBytesNeverEscape();
    void tooManyEntriesFail();
};

void TestExtraction::hostileNamesAreSkipped_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("parent") << QByteArray("../evil.txt");
    QTest::newRow("parent backslash") << QByteArray("..\\evil.txt");
    QTest::newRow("parent inside") << QByteArray("a/../../evil.txt");
    QTest::newRow("parent harmless looking") << QByteArray("a/../evil.txt");
    QTest::newRow("absolute") << QByteArray("/tmp/korvex-evil.txt");
    QTest::newRow("absolute backslash") << QByteArray("\\tmp\\korvex-evil.txt");
    QTest::newRow("drive") << QByteArray("C:/evil.txt");
    QTest::newRow("drive relative") << QByteArray("W:../evil.txt");
    QTest::newRow("drive bare") << QByteArray("c:evil.txt");
    QTest::newRow("unc") << QByteArray("\\\\server\\share\\evil.txt");
    QTest::newRow("dot only") << QByteArray("./");
    QTest::newRow("dots and slashes") << QByteArray("././/");
}

void TestExtraction::hostileNamesAreSkipped()
{
    QFETCH(QByteArray, name);
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{name, "evil"}, Entry{"good.txt", goodData}}));
    QVERIFY(box.extract());
    QCOMPARE(treeOf(box.work()), QStringList{"good.txt"});
    QCOMPARE(fileBytes(box.work() + "/good.txt"), goodData);
    QCOMPARE(box.outside(), (QStringList{"archives", "archives/package.ktf"}));
    QVERIFY(!QFile::exists("/tmp/korvex-evil.txt"));
}

void TestExtraction::nameWithNulIsSkipped()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{"aXb.txt", "evil"}, Entry{"good.txt", goodData}}));
    QByteArray bytes = fileBytes(box.archive());
    bytes.replace("aXb.txt", QByteArray("a\0b.txt", 7));
    QVERIFY(writeBytes(box.archive(), bytes));
    QVERIFY(box.extract());
    QCOMPARE(treeOf(box.work()), QStringList{"good.txt"});
}

void TestExtraction::folderEntriesStayInside()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{"../escaped/", ""}, Entry{"/abs/", ""}, Entry{"sub/deeper/", ""},
                                         Entry{"a\\b\\", ""}}));
    QVERIFY(box.extract());
    QCOMPARE(treeOf(box.work()), (QStringList{"a", "a/b", "sub", "sub/deeper"}));
    QCOMPARE(box.outside(), (QStringList{"archives", "archives/package.ktf"}));
}

void TestExtraction::symbolicLinkEntryIsNotCreated()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {symbolicLink("link", box.root().toUtf8()), Entry{"link/inside.txt", "x"},
                                         symbolicLink("up", ".."), Entry{"good.txt", goodData}}));
    QVERIFY(box.extract());
    QCOMPARE(treeOf(box.work()), (QStringList{"good.txt", "link", "link/inside.txt"}));
    QVERIFY(!QFileInfo(box.work() + "/link").isSymLink());
    QCOMPARE(box.outside(), (QStringList{"archives", "archives/package.ktf"}));
}

void TestExtraction::existingLinkIsNeverWrittenThrough()
{
    Sandbox box;
    QVERIFY(QDir(box.root()).mkdir("outsideFolder"));
    QVERIFY(writeBytes(box.root() + "/outsideFile.txt", "untouched"));
    QVERIFY(QFile::link(box.root() + "/outsideFolder", box.work() + "/folderLink"));
    QVERIFY(QFile::link(box.root() + "/outsideFile.txt", box.work() + "/fileLink"));
    QVERIFY(QFile::link(box.root() + "/dangling", box.work() + "/dangling"));
    QVERIFY(writeArchive(box.archive(), {Entry{"folderLink/x.txt", "evil"}, Entry{"fileLink", "evil"},
                                         Entry{"dangling", "evil"}, Entry{"folderLink/sub/", ""}}));
    QVERIFY(box.extract());
    QVERIFY(QDir(box.root() + "/outsideFolder").isEmpty());
    QCOMPARE(fileBytes(box.root() + "/outsideFile.txt"), QByteArray("untouched"));
    QVERIFY(!QFile::exists(box.root() + "/dangling"));
}

void TestExtraction::entryUnderAFileIsSkipped()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{"a", "file"}, Entry{"a/b.txt", "x"}, Entry{"d/", ""}, Entry{"d", "x"}}));
    QVERIFY(box.extract());
    QCOMPARE(treeOf(box.work()), (QStringList{"a", "d"}));
    QCOMPARE(fileBytes(box.work() + "/a"), QByteArray("file"));
    QVERIFY(QFileInfo(box.work() + "/d").isDir());
}

void TestExtraction::laterEntryOfTheSameNameWins()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{"same.txt", "first, longer"}, Entry{"same.txt", "second"}}));
    QVERIFY(box.extract());
    QCOMPARE(fileBytes(box.work() + "/same.txt"), QByteArray("second"));
}

void TestExtraction::invalidUtf8NameIsExtracted()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{"bad\xff\xfe.txt", "x"}, Entry{"\xc3", "y"}}));
    QVERIFY(box.extract());
    QCOMPARE(treeOf(box.work()).size(), 2);
    QCOMPARE(box.outside(), (QStringList{"archives", "archives/package.ktf"}));
}

void TestExtraction::truncatedArchiveFails()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{"one.txt", QByteArray(2000, 'a')}, Entry{"two.txt", goodData}}));
    const QByteArray whole = fileBytes(box.archive());
    for (int length = 0; length < whole.size(); ++length) {
        QVERIFY(writeBytes(box.archive(), whole.left(length)));
        QVERIFY2(!box.extract(), qPrintable(QString::number(length)));
    }
    QCOMPARE(box.outside(), (QStringList{"archives", "archives/package.ktf"}));
}

void TestExtraction::crcErrorFails()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{"stored.txt", "stored contents", 0}}));
    QByteArray bytes = fileBytes(box.archive());
    const int data = bytes.indexOf("stored contents");
    QVERIFY(data > 0);
    bytes[data + 3] = char(bytes.at(data + 3) ^ 0x01);
    QVERIFY(writeBytes(box.archive(), bytes));
    QVERIFY(!box.extract());
}

void TestExtraction::lyingSizesFail_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<bool>("localToo");
    QTest::newRow("larger in both headers") << 5 << true;
    QTest::newRow("smaller in both headers") << -3 << true;
    QTest::newRow("larger in central header") << 5 << false;
    QTest::newRow("zero in both headers") << -int(goodData.size()) * 10 << true;
}

void TestExtraction::lyingSizesFail()
{
    QFETCH(int, delta);
    QFETCH(bool, localToo);
    Sandbox box;
    const QByteArray data = goodData.repeated(10);
    QVERIFY(writeArchive(box.archive(), {Entry{"lie.txt", data}}));
    QByteArray bytes = fileBytes(box.archive());
    const quint32 lie = quint32(data.size() + delta);
    putLittleEndian32(bytes, centralHeader(bytes) + 24, lie);
    if (localToo)
        putLittleEndian32(bytes, localHeader(bytes) + 22, lie);
    QVERIFY(writeBytes(box.archive(), bytes));
    QVERIFY(!box.extract());
    QVERIFY(QFileInfo(box.work() + "/lie.txt").size() <= data.size());
}

void TestExtraction::oversizedEntryFailsBeforeWriting()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{"huge.bin", goodData}}));
    QByteArray bytes = fileBytes(box.archive());
    const quint32 huge = quint32(CKorvexZipExtractor::maxEntryBytes + 1);
    putLittleEndian32(bytes, centralHeader(bytes) + 24, huge);
    putLittleEndian32(bytes, localHeader(bytes) + 22, huge);
    QVERIFY(writeBytes(box.archive(), bytes));
    QVERIFY(!box.extract());
    QVERIFY(!QFile::exists(box.work() + "/huge.bin"));
}

void TestExtraction::encryptedOrUnknownMethodFails()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{"flagged.txt", goodData}}));
    const QByteArray original = fileBytes(box.archive());
    QByteArray encrypted = original;
    encrypted[centralHeader(encrypted) + 8] = char(encrypted.at(centralHeader(encrypted) + 8) | 1);
    encrypted[localHeader(encrypted) + 6] = char(encrypted.at(localHeader(encrypted) + 6) | 1);
    QVERIFY(writeBytes(box.archive(), encrypted));
    QVERIFY(!box.extract());
    QByteArray method = original;
    putLittleEndian16(method, centralHeader(method) + 10, 12);
    putLittleEndian16(method, localHeader(method) + 8, 12);
    QVERIFY(writeBytes(box.archive(), method));
    QVERIFY(!box.extract());
}

void TestExtraction::damagedBytesNeverEscape()
{
    Sandbox box;
    QVERIFY(writeArchive(box.archive(), {Entry{"a/one.txt", goodData.repeated(20)}, Entry{"two/", ""},
                                         Entry{"two/three.txt", "3", 0}}));
    const QByteArray whole = fileBytes(box.archive());
    for (int index = 0; index < whole.size(); ++index) {
        for (const char mask : {char(0x01), char(0xff)}) {
            QByteArray damaged = whole;
            damaged[index] = char(damaged.at(index) ^ mask);
            QVERIFY(writeBytes(box.archive(), damaged));
            box.extract();
        }
    }
    QCOMPARE(box.outside(), (QStringList{"archives", "archives/package.ktf"}));
}

void TestExtraction::tooManyEntriesFail()
{
    Sandbox box;
    QList<Entry> entries;
    entries.reserve(CKorvexZipExtractor::maxEntries + 1);
    for (int index = 0; index <= CKorvexZipExtractor::maxEntries; ++index)
        entries.append(Entry{"folder/", QByteArray(), 0});
    QVERIFY(writeArchive(box.archive(), entries));
    QVERIFY(!box.extract());
}

KORVEX_TEST_MAIN(TestExtraction)
#include "tst_extraction.moc"
