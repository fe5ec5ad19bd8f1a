#include "KorvexTemplateTestPage.h"
#include "KorvexTestMain.h"
#include "core/CKorvexUndoManager.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexDesignerScreen.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>

using namespace KorvexTemplateTest;

namespace {

const QByteArray rectBlock = "item begin\ntype:rect\nstart location:10 20\nwidth:30\nheight:40\nitem end\n";
const QByteArray lineBlock = "item begin\ntype:line\nstart location:1 2\nend location:50 2\nitem end\n";
const QByteArray screenBlock = "item begin\ntype:screen\nwidth:320\nheight:240\ndpi:96\nitem end\n";

} // namespace

class TestTemplateReader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void tolerances_data();
    void tolerances();
    void versionLine_data();
    void versionLine();
    void unreadableFileLeavesThePage();
    void failureKeepsTheBlocksBefore();
    void screenOnlyFileChangesOnlyThePage();
    void readClearsSelectionFlagsAndHistory();
    void bareTextFindsImages();
    void strayLinesInPasteAndInFile();
    void packageTextFileIsChosenByName_data();
    void packageTextFileIsChosenByName();

private:
    QString writeText(const QString& name, const QByteArray& text);
    QTemporaryDir m_dir;
};

void TestTemplateReader::init()
{
    KorvexTestEnvironment::clearSettings();
    CKorvexDesignerContext::setTemplateReadVersion(4242u);
}

QString TestTemplateReader::writeText(const QString& name, const QByteArray& text)
{
    const QString path = m_dir.filePath(name);
    KorvexZipTest::writeBytes(path, text);
    return path;
}

void TestTemplateReader::tolerances_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<unsigned>("version");

    const QByteArray header = "Template file versoin 1.0\nkvx file version 11005\n";
    const QStringList both{"rect", "line"};
    QTest::newRow("as written") << header + rectBlock + lineBlock << true << both << 11005u;
    QTest::newRow("capital header") << "TEMPLATE FILE VERSOIN 1.0\nkvx file version 11005\n" + rectBlock + lineBlock
                                    << true << both << 11005u;
    QTest::newRow("no header lines") << rectBlock + lineBlock << true << both << 4242u;
    QTest::newRow("capital version line") << "Template file versoin 1.0\nKVX FILE VERSION 10500\n" + rectBlock + lineBlock
                                          << true << both << 10500u;
    QTest::newRow("header lines anywhere") << rectBlock + "kvx file version 9000\n" + lineBlock
                                                  + "template file versoin 1.0\n"
                                           << true << both << 9000u;
    QTest::newRow("byte-order mark") << "\xef\xbb\xbf" + header + rectBlock + lineBlock << true << both << 11005u;
    QTest::newRow("carriage returns") << QByteArray(header + rectBlock + lineBlock).replace("\n", "\r\n") << true
                                      << both << 11005u;
    QTest::newRow("indented block lines") << header + "  item begin\ntype:rect\n\titem end  \n" << true
                                          << QStringList{"rect"} << 11005u;
    QTest::newRow("final block without end") << header + rectBlock + "item begin\ntype:line\nend location:5 5\n"
                                             << true << both << 11005u;
    QTest::newRow("blank line between blocks") << header + rectBlock + "\n" + lineBlock << false
                                               << QStringList{"rect"} << 11005u;
    QTest::newRow("final blank line") << header + rectBlock + "\n" << false << QStringList{"rect"} << 11005u;
    QTest::newRow("stray line before blocks") << header + "hello\n" + rectBlock << false << QStringList() << 11005u;
    QTest::newRow("unknown type") << header + rectBlock + "item begin\ntype:ellipse\nitem end\n" + lineBlock << false
                                  << QStringList{"rect"} << 11005u;
    QTest::newRow("type with a blank") << header + "item begin\ntype: rect\nitem end\n" + lineBlock << false
                                       << QStringList() << 11005u;
    QTest::newRow("one line only") << header + "item begin\n" << false << QStringList() << 11005u;
    QTest::newRow("headers only") << header << false << QStringList() << 11005u;
    QTest::newRow("empty file") << QByteArray() << false << QStringList() << 4242u;
}

void TestTemplateReader::tolerances()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, read);
    QFETCH(QStringList, types);
    QFETCH(unsigned, version);
    CKorvexDesignerScene scene;
    const QString path = writeText(QStringLiteral("bare.ktf"), text);
    QCOMPARE(scene.readTemplate(path), read);
    QCOMPARE(KorvexTemplateTest::pageTypes(scene), types);
    QCOMPARE(CKorvexDesignerContext::templateReadVersion(), std::optional<unsigned>(version));
    QCOMPARE(scene.currentTemplatePath(), path);
    QVERIFY(scene.temporaryFolders().isEmpty());
}

void TestTemplateReader::versionLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<unsigned>("version");
    QTest::newRow("plain") << QByteArray("kvx file version 10234") << 10234u;
    QTest::newRow("mixed case") << QByteArray("Kvx File Version 11005") << 11005u;
    QTest::newRow("newer program") << QByteArray("kvx file version 99999") << 99999u;
    QTest::newRow("no number") << QByteArray("kvx file version ") << 0u;
    QTest::newRow("words") << QByteArray("kvx file version eleven") << 0u;
    QTest::newRow("no blank") << QByteArray("kvx file version11005") << 0u;
    QTest::newRow("trailing text") << QByteArray("kvx file version 11005 beta") << 0u;
    QTest::newRow("trailing blank") << QByteArray("kvx file version 11005 ") << 11005u;
}

void TestTemplateReader::versionLine()
{
    QFETCH(QByteArray, line);
    QFETCH(unsigned, version);
    CKorvexDesignerScene scene;
    QVERIFY(scene.readTemplate(writeText(QStringLiteral("version.ktf"), line + "\n" + rectBlock)));
    QCOMPARE(CKorvexDesignerContext::templateReadVersion(), std::optional<unsigned>(version));
}

void TestTemplateReader::unreadableFileLeavesThePage()
{
    CKorvexDesignerScene scene;
    QVERIFY(add(scene, {"type:rect"}));
    QVERIFY(!scene.readTemplate(m_dir.filePath(QStringLiteral("missing.ktf"))));
    QVERIFY(!scene.readTemplate(m_dir.path()));
    QCOMPARE(KorvexTemplateTest::pageTypes(scene), QStringList{"rect"});
    QCOMPARE(CKorvexDesignerContext::templateReadVersion(), std::optional<unsigned>(4242u));
}

void TestTemplateReader::failureKeepsTheBlocksBefore()
{
    CKorvexDesignerScene scene;
    scene.setModified(true);
    const QByteArray text = "kvx file version 11005\n" + rectBlock + lineBlock + "item begin\nitem end\n" + rectBlock;
    QVERIFY(!scene.readTemplate(writeText(QStringLiteral("partial.ktf"), text)));
    QCOMPARE(KorvexTemplateTest::pageTypes(scene), (QStringList{"rect", "line"}));
    QVERIFY(scene.isModified());
}

void TestTemplateReader::screenOnlyFileChangesOnlyThePage()
{
    CKorvexDesignerScene scene;
    QVERIFY(scene.readTemplate(writeText(QStringLiteral("screen.ktf"), screenBlock)));
    QVERIFY(scene.pageItems().isEmpty());
    QCOMPARE(scene.screen()->width(), 320.0);
    QCOMPARE(scene.screen()->height(), 240.0);
    QCOMPARE(scene.screen()->dpi(), 96);
    QCOMPARE(scene.screen()->pos(), QPointF(0, 0));
}

void TestTemplateReader::readClearsSelectionFlagsAndHistory()
{
    CKorvexDesignerScene scene;
    scene.setModified(true);
    QVERIFY(scene.readTemplate(writeText(QStringLiteral("flags.ktf"), rectBlock + lineBlock)));
    QVERIFY(!scene.isModified());
    QVERIFY(scene.selectedPageItems().isEmpty());
    QVERIFY(CKorvexDesignerContext::selection().isEmpty());
    QVERIFY(!Korvex::CKorvexUndoManager::getInstance().CanUndo());
}

void TestTemplateReader::bareTextFindsImages()
{
    const QString absolute = m_dir.filePath(QStringLiteral("elsewhere/absolute.png"));
    const QString nextTo = m_dir.filePath(QStringLiteral("bare/beside.png"));
    QVERIFY(writePng(absolute));
    QVERIFY(writePng(nextTo));
    const QByteArray text = "item begin\ntype:image\npath:" + absolute.toUtf8()
                            + "\nitem end\nitem begin\ntype:image\npath:beside.png\nitem end\n"
                              "item begin\ntype:image\npath:C:\\Users\\me\\beside.png\nitem end\n"
                              "item begin\ntype:image\npath:gone.png\nitem end\n";
    CKorvexDesignerScene scene;
    QVERIFY(scene.readTemplate(writeText(QStringLiteral("bare/page.ktf"), text)));
    QStringList paths;
    const QList<QGraphicsItem*> items = scene.pageItems();
    for (QGraphicsItem* item : items)
        paths.append(dynamic_cast<CKorvexDesignerImage*>(item)->path());
    QCOMPARE(paths, (QStringList{absolute, nextTo, nextTo, QStringLiteral("gone.png")}));
    QVERIFY(dynamic_cast<CKorvexDesignerImage*>(items.at(1))->hasPicture());
}

void TestTemplateReader::strayLinesInPasteAndInFile()
{
    const QByteArray text = "some words\n  item begin\ntype:line\nitem end\nitem begin\ntype:rect\nitem end\ntrailing";
    CKorvexDesignerScene pasted;
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
    pasted.pasteSelectedItems();
    QCOMPARE(KorvexTemplateTest::pageTypes(pasted), QStringList{"rect"});

    CKorvexDesignerScene read;
    const QByteArray fileText = "  item begin\ntype:line\nitem end\nitem begin\ntype:rect\nitem end\n";
    QVERIFY(read.readTemplate(writeText(QStringLiteral("indented.ktf"), fileText)));
    QCOMPARE(KorvexTemplateTest::pageTypes(read), (QStringList{"line", "rect"}));
}

void TestTemplateReader::packageTextFileIsChosenByName_data()
{
    QTest::addColumn<QString>("package");
    QTest::addColumn<QList<QByteArray>>("names");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("named like the package") << "page.ktf" << QList<QByteArray>{"page.ktf"} << QStringList{"rect"}
                                            << "page.ktf";
    QTest::newRow("first in any case") << "page.ktf" << QList<QByteArray>{"b.ktf", "A.KTF", "page.ktf"}
                                       << QStringList{"rect"} << "A.KTF";
    QTest::newRow("other extension") << "page.bin" << QList<QByteArray>{"notes.txt", "page.bin"}
                                     << QStringList{"line"} << "page.bin";
    QTest::newRow("folder named like a text") << "page.ktf" << QList<QByteArray>{"a.ktf/inner.txt", "b.ktf"}
                                              << QStringList{"rect"} << "b.ktf";
    QTest::newRow("only in a sub-folder") << "page.ktf" << QList<QByteArray>{"sub/page.ktf"} << QStringList()
                                          << "page.ktf";
}

void TestTemplateReader::packageTextFileIsChosenByName()
{
    QFETCH(QString, package);
    QFETCH(QList<QByteArray>, names);
    QFETCH(QStringList, types);
    QFETCH(QString, chosen);
    QList<KorvexZipTest::Entry> entries;
    // Only the chosen entry reads; every other one holds a block without a type.
    const QByteArray chosenText = types.value(0) == QLatin1String("line") ? lineBlock : rectBlock;
    for (const QByteArray& name : names)
        entries.append(KorvexZipTest::Entry{name, name == chosen.toUtf8() ? chosenText : "item begin\nitem end\n"});
    const QString path = m_dir.filePath(QStringLiteral("packages/") + package);
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("packages"))));
    QVERIFY(KorvexZipTest::writeArchive(path, entries));
    CKorvexDesignerScene scene;
    QCOMPARE(scene.readTemplate(path), !types.isEmpty());
    QCOMPARE(KorvexTemplateTest::pageTypes(scene), types);
    QCOMPARE(scene.temporaryFolders().size(), 1);
    QCOMPARE(scene.currentTemplatePath(), scene.temporaryFolders().first() + QLatin1Char('/') + chosen);
}

KORVEX_TEST_MAIN(TestTemplateReader)
#include "tst_templatereader.moc"
