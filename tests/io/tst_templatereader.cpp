#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "KorvexZipTestArchive.h"
#include "core/CKorvexUndoManager.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexDesignerScreen.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>

using namespace KorvexTestPage;

namespace {

const QByteArray header = "Template file versoin 1.0\nkvx file version 11005\n";
const QByteArray rectBlock = "item begin\ntype:rect\nstart location:10 20\nwidth:30\nheight:40\nitem end\n";
const QByteArray lineBlock = "item begin\ntype:line\nstart location:1 2\nend location:50 2\nitem end\n";
constexpr int longest = 4 * 1024 * 1024;

} // namespace

class TestTemplateReader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void read_data();
    void read();
    void unreadableFileLeavesThePage();
    void bareTextPage();
    void pasteSkipsStrayText();
    void packageTextFileIsChosenByName_data();
    void packageTextFileIsChosenByName();

private:
    QString write(const QString& name, const QByteArray& text);
    QTemporaryDir m_dir;
};

void TestTemplateReader::init()
{
    KorvexTestEnvironment::clearSettings();
}

QString TestTemplateReader::write(const QString& name, const QByteArray& text)
{
    const QString path = m_dir.filePath(name);
    return KorvexTestFiles::writeFile(path, text) ? path : QString();
}

void TestTemplateReader::read_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("types");
    QTest::addColumn<unsigned>("version");

    const QByteArray both = rectBlock + lineBlock;
    QTest::newRow("as written") << header + both << true << "rect line" << 11005u;
    QTest::newRow("no header lines keep the version") << both << true << "rect line" << 4242u;
    QTest::newRow("header lines anywhere") << rectBlock + "kvx file version 9000\n" + lineBlock
                                                  + "template file versoin 1.0\n"
                                           << true << "rect line" << 9000u;
    QTest::newRow("byte-order mark") << "\xef\xbb\xbf" + header + both << true << "rect line" << 11005u;
    QTest::newRow("carriage returns") << QByteArray(header + both).replace("\n", "\r\n") << true << "rect line"
                                      << 11005u;
    QTest::newRow("indented block lines") << header + "  item begin\ntype:rect\n\titem end  \n" + lineBlock << true
                                          << "rect line" << 11005u;
    QTest::newRow("final block without end") << header + rectBlock + "item begin\ntype:line\n" << true
                                             << "rect line" << 11005u;

    // A failed item keeps the items before it.
    QTest::newRow("blank line between blocks") << header + rectBlock + "\n" + lineBlock << false << "rect" << 11005u;
    QTest::newRow("final blank line") << header + rectBlock + "\n" << false << "rect" << 11005u;
    QTest::newRow("stray line before blocks") << header + "hello\n" + rectBlock << false << "" << 11005u;
    QTest::newRow("unknown type") << header + rectBlock + "item begin\ntype:ellipse\nitem end\n" + lineBlock << false
                                  << "rect" << 11005u;
    QTest::newRow("block without type") << header + both + "item begin\nitem end\n" + rectBlock << false
                                        << "rect line" << 11005u;
    QTest::newRow("type with a blank") << header + "item begin\ntype: rect\nitem end\n" << false << "" << 11005u;
    QTest::newRow("headers only") << header << false << "" << 11005u;
    QTest::newRow("empty file") << QByteArray() << false << "" << 4242u;

    QTest::newRow("version mixed case") << "Kvx File Version 10500\n" + rectBlock << true << "rect" << 10500u;
    QTest::newRow("version of a newer program") << "kvx file version 99999\n" + rectBlock << true << "rect" << 99999u;
    QTest::newRow("version trailing blank") << "kvx file version 11005 \n" + rectBlock << true << "rect" << 11005u;
    QTest::newRow("version without number") << "kvx file version \n" + rectBlock << true << "rect" << 0u;
    QTest::newRow("version in words") << "kvx file version eleven\n" + rectBlock << true << "rect" << 0u;
    QTest::newRow("version without blank") << "kvx file version11005\n" + rectBlock << true << "rect" << 0u;
    QTest::newRow("version trailing text") << "kvx file version 11005 beta\n" + rectBlock << true << "rect" << 0u;

    // Beyond a bound nothing is built and the version stays.
    QTest::newRow("longest line") << "item begin\ntype:rect\n" + QByteArray(longest - 2, 'k') + ":1\nitem end\n"
                                  << true << "rect" << 4242u;
    QTest::newRow("line too long") << QByteArray(longest + 1, 'x') << false << "" << 4242u;
    QTest::newRow("line too long in a block") << header + "item begin\ntype:label\ntext:" + QByteArray(longest, 'x')
                                                     + "\nitem end\n"
                                              << false << "" << 4242u;
    QTest::newRow("line too long at the end") << header + QByteArray(longest + 1, 'x') << false << "" << 4242u;
    QTest::newRow("long values") << "item begin\ntype:label\nwidth:200\nheight:50\ntext:" + QByteArray(256 * 1024, 'w')
                                        + "\nfont list text:" + QByteArray(3 * 1024 * 1024, '@') + "\nitem end\n"
                                        + "item begin\ntype:rect\nfill color gradient:0 0 1 0"
                                        + QByteArray(" 0.5 1 2 3").repeated(300000) + "\nitem end\n"
                                 << true << "label rect" << 4242u;
    // Blocks are counted before any is built: the version line tells whether the text was taken.
    const QByteArray block = "item begin\nitem end\n";
    QTest::newRow("most blocks") << "kvx file version 7\n" + block.repeated(20000) << false << "" << 7u;
    QTest::newRow("too many blocks") << "kvx file version 7\n" + block.repeated(20001) << false << "" << 4242u;
    // 64 MiB of text in all, the version line included.
    const QByteArray most = "kvx file version 7\n" + QByteArray(longest - 20, 'x') + '\n'
                            + QByteArray(QByteArray(longest - 1, 'x') + '\n').repeated(15);
    QTest::newRow("most text") << most << false << "" << 7u;
    QTest::newRow("too much text") << most + 'x' << false << "" << 4242u;
}

void TestTemplateReader::read()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, read);
    QFETCH(QString, types);
    QFETCH(unsigned, version);
    CKorvexDesignerScene scene;
    scene.context().setTemplateReadVersion(4242u);
    scene.setModified(true);
    const QString path = write(QStringLiteral("bare.ktf"), text);
    QCOMPARE(scene.readTemplate(path), read);
    QCOMPARE(pageTypes(scene), types);
    QCOMPARE(scene.context().templateReadVersion(), std::optional<unsigned>(version));
    QCOMPARE(scene.currentTemplatePath(), path);
    QVERIFY(scene.temporaryFolders().isEmpty());
    QCOMPARE(scene.isModified(), !read);
    if (read) {
        QVERIFY(scene.selectedPageItems().isEmpty() && scene.context().selection().isEmpty());
        QVERIFY(!scene.undoManager().CanUndo());
    }
}

void TestTemplateReader::unreadableFileLeavesThePage()
{
    CKorvexDesignerScene scene;
    scene.context().setTemplateReadVersion(4242u);
    QVERIFY(add(scene, {"type:rect"}));
    QVERIFY(!scene.readTemplate(m_dir.filePath(QStringLiteral("missing.ktf"))));
    QVERIFY(!scene.readTemplate(m_dir.path()));
    QCOMPARE(pageTypes(scene), QStringLiteral("rect"));
    QCOMPARE(scene.context().templateReadVersion(), std::optional<unsigned>(4242u));
    QVERIFY(scene.temporaryFolders().isEmpty());
}

void TestTemplateReader::bareTextPage()
{
    const QString absolute = m_dir.filePath(QStringLiteral("elsewhere/absolute.png"));
    const QString beside = m_dir.filePath(QStringLiteral("bare/beside.png"));
    QVERIFY(KorvexTestFiles::writePng(absolute));
    QVERIFY(KorvexTestFiles::writePng(beside));
    const QByteArray text = "item begin\ntype:screen\nwidth:320\nheight:240\ndpi:96\nitem end\n"
                            "item begin\ntype:image\npath:" + absolute.toUtf8() + "\nitem end\n"
                            "item begin\ntype:image\npath:beside.png\nitem end\n"
                            "item begin\ntype:image\npath:C:\\Users\\me\\beside.png\nitem end\n"
                            "item begin\ntype:image\npath:gone.png\nitem end\n";
    CKorvexDesignerScene scene;
    QVERIFY(scene.readTemplate(write(QStringLiteral("bare/page.ktf"), text)));
    QCOMPARE(scene.screen()->width(), 320.0);
    QCOMPARE(scene.screen()->height(), 240.0);
    QCOMPARE(scene.screen()->dpi(), 96);
    QCOMPARE(scene.screen()->pos(), QPointF(0, 0));
    // Images are looked for by file name beside the text when their path does not lead to one.
    QStringList paths;
    const QList<QGraphicsItem*> items = scene.pageItems();
    for (QGraphicsItem* item : items)
        paths.append(dynamic_cast<CKorvexDesignerImage*>(item)->path());
    QCOMPARE(paths, (QStringList{absolute, beside, beside, QStringLiteral("gone.png")}));
    QVERIFY(dynamic_cast<CKorvexDesignerImage*>(items.at(1))->hasPicture());
}

void TestTemplateReader::pasteSkipsStrayText()
{
    CKorvexDesignerScene scene;
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "some words\n  item begin\ntype:line\nitem end\nitem begin\ntype:rect\nitem end\ntrailing"));
    scene.pasteSelectedItems();
    QCOMPARE(pageTypes(scene), QStringLiteral("rect"));
}

void TestTemplateReader::packageTextFileIsChosenByName_data()
{
    QTest::addColumn<QString>("package");
    QTest::addColumn<QList<QByteArray>>("names");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("read");
    QTest::newRow("named like the package") << "page.ktf" << QList<QByteArray>{"page.ktf"} << "page.ktf" << true;
    QTest::newRow("first in any case") << "page.ktf" << QList<QByteArray>{"B.ktf", "a.KTF", "page.ktf"} << "a.KTF"
                                       << true;
    QTest::newRow("other extension") << "page.bin" << QList<QByteArray>{"notes.txt", "page.bin"} << "page.bin"
                                     << true;
    QTest::newRow("folder named like a text") << "page.ktf" << QList<QByteArray>{"a.ktf/inner.txt", "b.ktf"}
                                              << "b.ktf" << true;
    QTest::newRow("only in a sub-folder") << "page.ktf" << QList<QByteArray>{"sub/page.ktf"} << "page.ktf" << false;
}

void TestTemplateReader::packageTextFileIsChosenByName()
{
    QFETCH(QString, package);
    QFETCH(QList<QByteArray>, names);
    QFETCH(QString, chosen);
    QFETCH(bool, read);
    // Only the chosen entry reads; every other one holds a block without a type.
    QList<KorvexZipTest::Entry> entries;
    for (const QByteArray& name : names)
        entries.append(KorvexZipTest::Entry{name, name == chosen.toUtf8() ? rectBlock : "item begin\nitem end\n"});
    const QString path = m_dir.filePath(QStringLiteral("packages/") + package);
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("packages"))));
    QVERIFY(KorvexZipTest::writeArchive(path, entries));
    QStringList folders;
    {
        CKorvexDesignerScene scene;
        QCOMPARE(scene.readTemplate(path), read);
        QCOMPARE(pageTypes(scene), QString(read ? "rect" : ""));
        QCOMPARE(scene.temporaryFolders().size(), 1);
        QCOMPARE(scene.currentTemplatePath(), scene.temporaryFolders().first() + QLatin1Char('/') + chosen);
        // Each read keeps its own working folder while the page lives.
        scene.readTemplate(path);
        folders = scene.temporaryFolders();
        QCOMPARE(folders.size(), 2);
        QVERIFY(folders.at(0) != folders.at(1) && QFileInfo(folders.at(0)).isDir());
    }
    QVERIFY(!QFileInfo::exists(folders.at(0)) && !QFileInfo::exists(folders.at(1)));
}

KORVEX_TEST_MAIN(TestTemplateReader)
#include "tst_templatereader.moc"
