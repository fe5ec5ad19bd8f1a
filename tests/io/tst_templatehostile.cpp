#include "KorvexTemplateTestPage.h"
#include "KorvexTestMain.h"

#include <QTemporaryDir>

using namespace KorvexZipTest;
using namespace KorvexTemplateTest;

namespace {

const QByteArray pageText = "Template file versoin 1.0\nkvx file version 11005\n"
                            "item begin\ntype:rect\nstart location:10 10\nwidth:20\nheight:20\nitem end\n";

} // namespace

/// Opens damaged and malicious packages through the scene, inside a private temporary folder.
class TestTemplateHostile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hostileNamesStayInside();
    void symbolicLinkAsTextFileIsNotFollowed();
    void truncatedPackagesNeverCrash();
    void crcErrorIsReadAsText();
    void workingFolderLivesWithTheScene();
    void longLinesAndLargeFilesFinish_data();
    void longLinesAndLargeFilesFinish();

private:
    QString archive() const { return m_root->filePath(QStringLiteral("archives/page.ktf")); }
    QString temporary() const { return m_root->filePath(QStringLiteral("tmp")); }
    /// Everything below the sandbox but the archives and the scene's working folders.
    QStringList strayPaths(const QStringList& workingFolders) const;

    std::unique_ptr<QTemporaryDir> m_root;
    QByteArray m_savedTemporary;
};

void TestTemplateHostile::init()
{
    KorvexTestEnvironment::clearSettings();
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(temporary()));
    QVERIFY(QDir().mkpath(m_root->filePath(QStringLiteral("archives"))));
    m_savedTemporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary()));
    QCOMPARE(QDir::tempPath(), temporary());
}

void TestTemplateHostile::cleanup()
{
    if (m_savedTemporary.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", m_savedTemporary);
    m_root.reset();
}

QStringList TestTemplateHostile::strayPaths(const QStringList& workingFolders) const
{
    QStringList stray;
    const QStringList tree = treeOf(m_root->path());
    for (const QString& relative : tree) {
        const QString path = m_root->filePath(relative);
        bool known = relative == QLatin1String("archives") || relative == QLatin1String("tmp")
                     || relative.startsWith(QLatin1String("archives/"));
        for (const QString& folder : workingFolders)
            known = known || path == folder || path.startsWith(folder + QLatin1Char('/'));
        if (!known)
            stray.append(relative);
    }
    return stray;
}

void TestTemplateHostile::hostileNamesStayInside()
{
    const QByteArray absolute = QFile::encodeName(m_root->filePath(QStringLiteral("evil-absolute.txt")));
    QVERIFY(writeArchive(archive(), {Entry{"../evil1.txt", "x"}, Entry{"../../evil2.txt", "x"},
                                     Entry{"..\\evil3.txt", "x"}, Entry{"..\\..\\evil4.txt", "x"},
                                     Entry{absolute, "x"}, Entry{"C:/evil5.txt", "x"}, Entry{"C:\\evil6.txt", "x"},
                                     Entry{"c:evil7.txt", "x"}, Entry{"sub/../../evil8.txt", "x"},
                                     symbolicLink("escape", "../.."), Entry{"escape/evil9.txt", "x"},
                                     Entry{"page.ktf", pageText}}));
    CKorvexDesignerScene scene;
    QVERIFY(scene.readTemplate(archive()));
    QCOMPARE(KorvexTemplateTest::pageTypes(scene), QStringList{"rect"});
    QCOMPARE(scene.temporaryFolders().size(), 1);
    const QString folder = scene.temporaryFolders().first();
    QCOMPARE(QFileInfo(folder).absolutePath(), temporary());
    QCOMPARE(scene.currentTemplatePath(), folder + QStringLiteral("/page.ktf"));
    QCOMPARE(strayPaths(scene.temporaryFolders()), QStringList());
    QVERIFY(!QFileInfo(folder + QStringLiteral("/escape")).isSymLink());
}

void TestTemplateHostile::symbolicLinkAsTextFileIsNotFollowed()
{
    const QString secret = m_root->filePath(QStringLiteral("archives/secret.ktf"));
    QVERIFY(writeBytes(secret, pageText));
    QVERIFY(writeArchive(archive(), {symbolicLink("page.ktf", QFile::encodeName(secret))}));
    CKorvexDesignerScene scene;
    QVERIFY(!scene.readTemplate(archive()));
    QVERIFY(scene.pageItems().isEmpty());
    QCOMPARE(strayPaths(scene.temporaryFolders()), QStringList());
}

void TestTemplateHostile::truncatedPackagesNeverCrash()
{
    {
        CKorvexDesignerScene writer;
        QVERIFY(add(writer, {"type:rect", "width:30", "height:30"}));
        QVERIFY(writer.writeTemplate(archive()));
    }
    const QByteArray whole = fileBytes(archive());
    QVERIFY(whole.size() > 200);
    for (int length = 0; length < whole.size(); length += 37) {
        QVERIFY(writeBytes(archive(), whole.left(length)));
        CKorvexDesignerScene scene;
        QVERIFY2(!scene.readTemplate(archive()), qPrintable(QString::number(length)));
        QVERIFY(scene.temporaryFolders().isEmpty());
        QCOMPARE(scene.currentTemplatePath(), archive());
        QCOMPARE(strayPaths({}), QStringList());
    }
}

void TestTemplateHostile::crcErrorIsReadAsText()
{
    // A stored entry leaves the template text visible in the archive's bytes.
    QVERIFY(writeArchive(archive(), {Entry{"page.ktf", pageText, 0}}));
    QByteArray bytes = fileBytes(archive());
    const int rect = bytes.indexOf("type:rect");
    QVERIFY(rect > 0);
    bytes[rect + 7] = 'x';
    QVERIFY(writeBytes(archive(), bytes));
    CKorvexDesignerScene scene;
    QVERIFY(!scene.readTemplate(archive()));
    QVERIFY(scene.temporaryFolders().isEmpty());
    QCOMPARE(scene.currentTemplatePath(), archive());
    QVERIFY(scene.pageItems().isEmpty());
    QCOMPARE(strayPaths({}), QStringList());
}

void TestTemplateHostile::workingFolderLivesWithTheScene()
{
    QVERIFY(writeArchive(archive(), {Entry{"page.ktf", pageText}, Entry{"pics/a.png", "not really"}}));
    QStringList folders;
    {
        CKorvexDesignerScene scene;
        QVERIFY(scene.readTemplate(archive()));
        QVERIFY(scene.readTemplate(archive()));
        folders = scene.temporaryFolders();
        QCOMPARE(folders.size(), 2);
        QVERIFY(folders.at(0) != folders.at(1));
        for (const QString& folder : qAsConst(folders))
            QVERIFY(QFileInfo(folder + QStringLiteral("/pics/a.png")).isFile());
    }
    for (const QString& folder : qAsConst(folders))
        QVERIFY(!QFileInfo::exists(folder));
    QCOMPARE(treeOf(temporary()), QStringList());
}

void TestTemplateHostile::longLinesAndLargeFilesFinish_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("items");
    const int bound = 4 * 1024 * 1024;
    const QByteArray lineBlock = "item begin\ntype:line\nitem end\n";
    QTest::newRow("one long line") << QByteArray(bound + 1, 'x') << false << 0;
    QTest::newRow("long line in a block") << pageText + "item begin\ntype:label\ntext:" + QByteArray(bound, 'x')
                                                 + "\nitem end\n"
                                          << false << 0;
    QTest::newRow("long line without line feed") << pageText + QByteArray(bound + 1, 'x') << false << 0;
    QTest::newRow("long stray key") << "item begin\ntype:rect\n" + QByteArray(bound - 2, 'k') + ":1\nitem end\n"
                                    << true << 1;
    QTest::newRow("long label text") << "item begin\ntype:label\nwidth:200\nheight:50\ntext:" + QByteArray(256 * 1024, 'w')
                                            + "\nitem end\n"
                                     << true << 1;
    QTest::newRow("long font list") << "item begin\ntype:label\nfont list text:" + QByteArray(3 * 1024 * 1024, '@')
                                           + "\nitem end\n"
                                    << true << 1;
    QTest::newRow("long gradient") << "item begin\ntype:rect\nfill color gradient:0 0 1 0"
                                          + QByteArray(" 0.5 1 2 3").repeated(300000) + "\nitem end\n"
                                   << true << 1;
    QTest::newRow("begins without end") << QByteArray("item begin\n").repeated(500000) << false << 0;
    QTest::newRow("two thousand blocks") << lineBlock.repeated(2000) << true << 2000;
    QTest::newRow("too many blocks") << lineBlock.repeated(20001) << false << 0;
    QTest::newRow("too much text") << QByteArray(QByteArray(bound - 1, 'x') + '\n').repeated(17) << false << 0;
}

void TestTemplateHostile::longLinesAndLargeFilesFinish()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, read);
    QFETCH(int, items);
    QVERIFY(writeBytes(archive(), text));
    CKorvexDesignerScene scene;
    scene.context().setTemplateReadVersion(4242u);
    QCOMPARE(scene.readTemplate(archive()), read);
    QCOMPARE(scene.pageItems().size(), items);
    if (!read)
        QCOMPARE(scene.context().templateReadVersion(), std::optional<unsigned>(4242u));
}

KORVEX_TEST_MAIN(TestTemplateHostile)
#include "tst_templatehostile.moc"
