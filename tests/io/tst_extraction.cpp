#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "KorvexZipTestArchive.h"
#include "io/CKorvexZipExtractor.h"

#include <QTemporaryDir>
#include <memory>

using namespace KorvexZipTest;

namespace {

const QByteArray good("good contents");

/// One field of the first local or central header, overwritten after the archive is written.
struct Field
{
    bool central;
    int offset;
    int bytes;
    quint32 value;
};

using Entries = QList<Entry>;
using Fields = QList<Field>;

} // namespace

Q_DECLARE_METATYPE(Entries)
Q_DECLARE_METATYPE(Fields)

/// Extracts into "work" beside the archive; nothing may land outside "work".
class TestExtraction : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void extract_data();
    void emptyArchiveEndsWithItsComment();
    void extract();
    void existingLinkIsNeverWrittenThrough();
    void everyTruncationFails();

private:
    QString root() const { return m_root->path(); }
    QString work() const { return root() + QStringLiteral("/work"); }
    QString archive() const { return root() + QStringLiteral("/package.ktf"); }
    bool unpack() const { return CKorvexZipExtractor::extract(archive(), work()); }
    bool nothingOutside() const
    {
        const QRegularExpression outside(QStringLiteral("^(?!work(/|$))"));
        return treeOf(root()).filter(outside) == QStringList{"package.ktf"};
    }
    /// Folders end with "/"; files are followed by "=" and their bytes when withContents.
    QStringList workTree(bool withContents) const
    {
        QStringList paths = treeOf(work());
        for (QString& path : paths) {
            const QString full = work() + QLatin1Char('/') + path;
            if (QFileInfo(full).isDir())
                path += QLatin1Char('/');
            else if (withContents)
                path += QLatin1Char('=') + QString::fromUtf8(fileBytes(full));
        }
        return paths;
    }

    std::unique_ptr<QTemporaryDir> m_root;
};

void TestExtraction::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(root()).mkdir(QStringLiteral("work")));
}

void TestExtraction::extract_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<bool>("extracted");
    // What "work" holds afterwards; with file contents only after a successful extraction.
    QTest::addColumn<QStringList>("tree");

    const QStringList goodOnly{"good.txt=good contents"};
    for (const char* name : {"../evil.txt", "..\\evil.txt", "a/../../evil.txt", "a/../evil.txt", "/tmp/korvex-evil.txt",
                             "\\tmp\\korvex-evil.txt", "C:/evil.txt", "W:../evil.txt", "c:evil.txt",
                             "\\\\server\\share\\evil.txt", "./", "././/"})
        QTest::newRow(name) << Entries{Entry{name, "evil"}, Entry{"good.txt", good}} << Fields() << true << goodOnly;
    // The name is written with an X that then becomes a NUL in both headers.
    QTest::newRow("NUL in a name") << Entries{Entry{"aXb.txt", "evil"}, Entry{"good.txt", good}}
                                   << Fields{{true, 47, 1, 0}, {false, 31, 1, 0}} << true << goodOnly;
    QTest::newRow("folder entries") << Entries{Entry{"../escaped/", ""}, Entry{"/abs/", ""}, Entry{"sub/deeper/", ""},
                                               Entry{"a\\b\\", ""}}
                                    << Fields() << true << QStringList{"a/", "a/b/", "sub/", "sub/deeper/"};
    QTest::newRow("symbolic links") << Entries{symbolicLink("link", "/"), Entry{"link/inside.txt", "x"},
                                               symbolicLink("up", ".."), Entry{"good.txt", good}}
                                    << Fields() << true
                                    << QStringList{"good.txt=good contents", "link/", "link/inside.txt=x"};
    QTest::newRow("entry under a file") << Entries{Entry{"a", "file"}, Entry{"a/b.txt", "x"}, Entry{"d/", ""},
                                                   Entry{"d", "x"}}
                                        << Fields() << true << QStringList{"a=file", "d/"};
    QTest::newRow("later entry wins") << Entries{Entry{"same.txt", "first, longer"}, Entry{"same.txt", "second"}}
                                      << Fields() << true << QStringList{"same.txt=second"};
    QTest::newRow("invalid UTF-8 names")
        << Entries{Entry{"bad\xff\xfe.txt", "x"}, Entry{"\xc3", "y"}} << Fields() << true
        << QStringList{QStringLiteral("bad\uFFFD\uFFFD.txt=x"), QStringLiteral("\uFFFD=y")};
    QTest::newRow("no entries") << Entries() << Fields() << true << QStringList();

    const Entries stored{Entry{"lie.txt", good.repeated(10), 0}};
    const quint32 size = quint32(good.size() * 10);
    QTest::newRow("CRC wrong") << stored << Fields{{true, 16, 4, 0}, {false, 14, 4, 0}} << false
                               << QStringList{"lie.txt"};
    QTest::newRow("larger size") << stored << Fields{{true, 24, 4, size + 5}, {false, 22, 4, size + 5}} << false
                                 << QStringList{"lie.txt"};
    QTest::newRow("smaller size") << stored << Fields{{true, 24, 4, size - 3}, {false, 22, 4, size - 3}} << false
                                  << QStringList{"lie.txt"};
    QTest::newRow("zero size") << stored << Fields{{true, 24, 4, 0}, {false, 22, 4, 0}} << false
                               << QStringList{"lie.txt"};
    QTest::newRow("larger in the central header") << stored << Fields{{true, 24, 4, size + 5}} << false
                                                  << QStringList();
    const quint32 huge = quint32(CKorvexZipExtractor::maxEntryBytes + 1);
    QTest::newRow("oversized") << stored << Fields{{true, 24, 4, huge}, {false, 22, 4, huge}} << false << QStringList();
    QTest::newRow("encrypted") << stored << Fields{{true, 8, 2, 0x801}, {false, 6, 2, 0x801}} << false << QStringList();
    QTest::newRow("unknown method") << Entries{Entry{"lie.txt", good}} << Fields{{true, 10, 2, 12}, {false, 8, 2, 12}}
                                    << false << QStringList{"lie.txt"};
    Entries many;
    for (int index = 0; index <= CKorvexZipExtractor::maxEntries; ++index)
        many.append(Entry{"folder/", "", 0});
    QTest::newRow("too many entries") << many << Fields() << false << QStringList{"folder/"};
}

void TestExtraction::extract()
{
    QFETCH(Entries, entries);
    QFETCH(Fields, fields);
    QFETCH(bool, extracted);
    QFETCH(QStringList, tree);
    QVERIFY(writeArchive(archive(), entries));
    QByteArray bytes = fileBytes(archive());
    for (const Field& field : fields) {
        const int header = bytes.indexOf(field.central ? QByteArray("PK\x01\x02", 4) : QByteArray("PK\x03\x04", 4));
        for (int i = 0; i < field.bytes; ++i)
            bytes[header + field.offset + i] = char((field.value >> (8 * i)) & 0xff);
    }
    QVERIFY(KorvexTestFiles::writeFile(archive(), bytes));
    QCOMPARE(unpack(), extracted);
    QCOMPARE(workTree(extracted), tree);
    QVERIFY(nothingOutside());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/korvex-evil.txt")));
}

void TestExtraction::existingLinkIsNeverWrittenThrough()
{
    QVERIFY(QDir(root()).mkdir("outsideFolder"));
    QVERIFY(KorvexTestFiles::writeFile(root() + "/outsideFile.txt", "untouched"));
    QVERIFY(QFile::link(root() + "/outsideFolder", work() + "/folderLink"));
    QVERIFY(QFile::link(root() + "/outsideFile.txt", work() + "/fileLink"));
    QVERIFY(QFile::link(root() + "/dangling", work() + "/dangling"));
    QVERIFY(writeArchive(archive(), {Entry{"folderLink/x.txt", "evil"}, Entry{"fileLink", "evil"},
                                         Entry{"dangling", "evil"}, Entry{"folderLink/sub/", ""}}));
    QVERIFY(unpack());
    QVERIFY(QDir(root() + "/outsideFolder").isEmpty());
    QCOMPARE(fileBytes(root() + "/outsideFile.txt"), QByteArray("untouched"));
    QVERIFY(!QFile::exists(root() + "/dangling"));
}

void TestExtraction::everyTruncationFails()
{
    QVERIFY(writeArchive(archive(), {Entry{"one.txt", QByteArray(2000, 'a')}, Entry{"two.txt", good}}));
    const QByteArray whole = fileBytes(archive());
    for (int length = 0; length < whole.size(); ++length) {
        QVERIFY(KorvexTestFiles::writeFile(archive(), whole.left(length)));
        QVERIFY2(!unpack(), qPrintable(QString::number(length)));
    }
    QVERIFY(nothingOutside());
}

void TestExtraction::emptyArchiveEndsWithItsComment()
{
    // An end record alone is an empty package only when its comment ends the file.
    const QByteArray endRecord = QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0');
    QVERIFY(KorvexTestFiles::writeFile(archive(), endRecord));
    QVERIFY(unpack());
    QVERIFY(KorvexTestFiles::writeFile(archive(), endRecord + "junk"));
    QVERIFY(!unpack());
}

KORVEX_TEST_MAIN(TestExtraction)
#include "tst_extraction.moc"
