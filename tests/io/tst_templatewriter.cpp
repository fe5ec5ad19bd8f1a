#include "KorvexTemplateTestPage.h"
#include "KorvexTestMain.h"
#include "io/CKorvexTemplateWriter.h"
#include "scene/CKorvexDeletableItem.h"
#include "actions/CKorvexActionEnabled.h"
#include "core/CKorvexActionUrl.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerScreen.h"

#include <QTemporaryDir>
#include <memory>

using namespace KorvexTemplateTest;

namespace {

const QByteArray expectedPage = "Template file versoin 1.0\n"
                                "kvx file version 11005\n"
                                "item begin\n"
                                "dictionary key:\n"
                                "dpi:72\n"
                                "fill color:255 255 255\n"
                                "fill color gradient:0 0 1 0 0 0 0 0 1 255 255 255\n"
                                "height:700\n"
                                "image source type:file\n"
                                "is gradient mode:false\n"
                                "is image mode:false\n"
                                "page size type:Custom\n"
                                "path:\n"
                                "scene state index:0\n"
                                "scene state name:\n"
                                "scene state type:name\n"
                                "start location:0 0\n"
                                "type:screen\n"
                                "width:500\n"
                                "zvalue:0\n"
                                "item end\n"
                                "item begin\n"
                                "fill color:0 0 255 128\n"
                                "fill color gradient:0 0 1 0 0 0 0 0 1 255 255 255\n"
                                "height:50\n"
                                "is gradient mode:false\n"
                                "pen color:255 0 0\n"
                                "pen width:2\n"
                                "start location:10 20\n"
                                "type:rect\n"
                                "width:100\n"
                                "zvalue:1\n"
                                "item end\n"
                                "item begin\n"
                                "end location:100 0\n"
                                "pen color:0 0 0\n"
                                "pen width:1\n"
                                "start location:0 0\n"
                                "type:line\n"
                                "zvalue:2\n"
                                "item end\n"
                                "item begin\n"
                                "action:0\n"
                                "dictionary key:\n"
                                "height:48\n"
                                "image source type:file\n"
                                "keep aspect ratio:0\n"
                                "path:logo.png\n"
                                "scale to fit:0\n"
                                "scene state index:0\n"
                                "scene state name:\n"
                                "scene state type:index\n"
                                "start location:30 40\n"
                                "type:image\n"
                                "url:\n"
                                "width:64\n"
                                "zvalue:3\n"
                                "item end\n"
                                "item begin\n"
                                "custom id:name\n"
                                "height:20\n"
                                "start location:5 5\n"
                                "type:form_text_box\n"
                                "width:120\n"
                                "zvalue:4\n"
                                "item end\n";

} // namespace

class TestTemplateWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void textBytesOfAPage();
    void packageEntries();
    void clashingImageNamesAreNumbered();
    void sharedImageIsPackedOnce();
    void htmlFoldersAreRenamedInTheAction();
    void deletedAndHiddenItemsAreNotWritten();
    void equalStackingKeepsInsertionOrder();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void saveReplacesTheOldPackage();
    void withoutWorkingFolder();
    void writeReadWriteGivesTheSameText();

private:
    void buildPage(CKorvexDesignerScene& scene);
    QGraphicsItem* addImage(CKorvexDesignerScene& scene, const QString& path, int z);
    QGraphicsItem* addUrlLabel(CKorvexDesignerScene& scene, const QString& htmlFolder, int z);
    QString path(const QString& relative) const { return m_dir->filePath(relative); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_savedTemporary;
};

void TestTemplateWriter::init()
{
    KorvexTestEnvironment::clearSettings();
    m_dir = std::make_unique<QTemporaryDir>();
    // Working folders go to a private temporary folder, where the test can see them.
    QVERIFY(QDir().mkpath(path(QStringLiteral("tmp"))));
    m_savedTemporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(path(QStringLiteral("tmp"))));
}

void TestTemplateWriter::cleanup()
{
    if (m_savedTemporary.isEmpty())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", m_savedTemporary);
    m_dir.reset();
}

void TestTemplateWriter::buildPage(CKorvexDesignerScene& scene)
{
    const QString picture = path(QStringLiteral("pics/logo.png"));
    QVERIFY(writePng(picture));
    QVERIFY(add(scene, {"type:rect", "start location:10 20", "width:100", "height:50", "pen width:2",
                        "pen color:255 0 0", "fill color:0 0 255 128", "zvalue:1"}));
    QVERIFY(add(scene, {"type:line", "start location:0 0", "end location:100 0", "zvalue:2"}));
    QVERIFY(addImage(scene, picture, 3));
    QVERIFY(add(scene, {"type:form_text_box", "start location:5 5", "width:120", "height:20", "zvalue:4",
                        "custom id:name"}));
}

QGraphicsItem* TestTemplateWriter::addImage(CKorvexDesignerScene& scene, const QString& picture, int z)
{
    return add(scene, {"type:image", "start location:30 40", "width:64", "height:48",
                       QStringLiteral("zvalue:%1").arg(z), "path:" + picture});
}

QGraphicsItem* TestTemplateWriter::addUrlLabel(CKorvexDesignerScene& scene, const QString& htmlFolder, int z)
{
    auto* label = dynamic_cast<CKorvexDesignerLabel*>(add(scene, {"type:label", QStringLiteral("zvalue:%1").arg(z)}));
    if (!label)
        return nullptr;
    auto* url = new Korvex::CKorvexActionUrl(Korvex::fromQString(QStringLiteral("index.html")));
    url->SetLocalHtmlPath(Korvex::fromQString(htmlFolder));
    url->SetStartupHtmlFile(Korvex::fromQString(QStringLiteral("index.html")));
    label->SetAction(Korvex::CKorvexAction(url));
    return label;
}

void TestTemplateWriter::textBytesOfAPage()
{
    CKorvexDesignerScene scene;
    buildPage(scene);
    scene.setModified(true);
    const QString target = path(QStringLiteral("page.ktf"));
    QVERIFY(scene.writeTemplate(target));
    QCOMPARE(packedText(target), expectedPage);
    QVERIFY(!scene.isModified());
    // The item keeps its full path; only the written copy holds the package name.
    const QGraphicsItem* image = scene.pageItems().at(2);
    QCOMPARE(CKorvexDesignerItem::companionOf(image)->record().value(QStringLiteral("path")).toString(),
             path(QStringLiteral("pics/logo.png")));
}

void TestTemplateWriter::packageEntries()
{
    CKorvexDesignerScene scene;
    buildPage(scene);
    const QString target = path(QString::fromUtf8("Größe.ktf"));
    QVERIFY(scene.writeTemplate(target));
    const QList<KorvexZipTest::ReadEntry> entries = KorvexZipTest::readArchive(target);
    QStringList names;
    for (const KorvexZipTest::ReadEntry& entry : entries) {
        names.append(QString::fromUtf8(entry.name));
        QVERIFY(entry.flag & (1u << 11));
        QCOMPARE(entry.method, uLong(8));
    }
    names.sort();
    QCOMPARE(names, (QStringList{QString::fromUtf8("Größe.ktf"), "_preview.png", "logo.png"}));
    QCOMPARE(entryData(target, "Gr\xc3\xb6\xc3\x9f" "e.ktf"), expectedPage);
    QCOMPARE(entryData(target, "logo.png"), KorvexZipTest::fileBytes(path(QStringLiteral("pics/logo.png"))));
    QCOMPARE(QImage::fromData(entryData(target, "_preview.png"), "PNG").size(), QSize(130, 130));
    // The save's working folder does not outlive the save.
    QCOMPARE(KorvexZipTest::treeOf(path(QStringLiteral("tmp"))), QStringList());
}

void TestTemplateWriter::clashingImageNamesAreNumbered()
{
    CKorvexDesignerScene scene;
    const QStringList sources{path("a/logo.png"), path("b/logo.png"), path("c/logo.png"), path("d/logo0.png")};
    const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int i = 0; i < sources.size(); ++i) {
        QVERIFY(writePng(sources.at(i), QSize(4 + i, 4), colours.at(i)));
        QVERIFY(addImage(scene, sources.at(i), i + 1));
    }
    const QString target = path(QStringLiteral("page.ktf"));
    QVERIFY(scene.writeTemplate(target));
    const QStringList blocks = blocksOf(packedText(target));
    QCOMPARE(blocks.size(), 5);
    // A name the counter makes that another image holds already moves on to the next number.
    const QStringList names{"logo.png", "logo0.png", "logo1.png", "logo02.png"};
    for (int i = 0; i < names.size(); ++i) {
        QVERIFY2(blocks.at(i + 1).contains("\npath:" + names.at(i) + "\n"), qPrintable(blocks.at(i + 1)));
        QCOMPARE(entryData(target, names.at(i).toUtf8()), KorvexZipTest::fileBytes(sources.at(i)));
    }
    QCOMPARE(entryNames(target),
             (QStringList{"_preview.png", "logo.png", "logo0.png", "logo02.png", "logo1.png", "page.ktf"}));
}

void TestTemplateWriter::sharedImageIsPackedOnce()
{
    CKorvexDesignerScene scene;
    const QString shared = path(QStringLiteral("pics/shared.png"));
    QVERIFY(writePng(shared));
    for (int z = 1; z <= 3; ++z)
        QVERIFY(addImage(scene, shared, z));
    QVERIFY(add(scene, {"type:screen", "is image mode:true", "path:" + shared}));
    const QString target = path(QStringLiteral("page.ktf"));
    QVERIFY(scene.writeTemplate(target));
    const QByteArray text = packedText(target);
    QCOMPARE(text.count("\npath:shared.png\n"), 4);
    QCOMPARE(entryNames(target), (QStringList{"_preview.png", "page.ktf", "shared.png"}));
}

void TestTemplateWriter::htmlFoldersAreRenamedInTheAction()
{
    for (const QString& root : {QStringLiteral("x"), QStringLiteral("y")}) {
        QVERIFY(KorvexZipTest::writeBytes(path(root + "/site/index.html"), root.toUtf8()));
        QVERIFY(KorvexZipTest::writeBytes(path(root + "/site/.hidden"), "h"));
        QVERIFY(KorvexZipTest::writeBytes(path(root + "/site/sub/deep.css"), "css"));
    }
    CKorvexDesignerScene scene;
    QGraphicsItem* first = addUrlLabel(scene, path(QStringLiteral("x/site")), 1);
    QVERIFY(first);
    QVERIFY(addUrlLabel(scene, path(QStringLiteral("y/site")), 2));
    QVERIFY(addUrlLabel(scene, path(QStringLiteral("x/site")), 3));
    const QString target = path(QStringLiteral("page.ktf"));
    QVERIFY(scene.writeTemplate(target));

    const QStringList blocks = blocksOf(packedText(target));
    QCOMPARE(blocks.size(), 4);
    const QStringList folders{"site", "site2", "site3"};
    for (int i = 0; i < folders.size(); ++i) {
        const CKorvexDesignerProperty written = record(blocks.at(i + 1).split('\n'));
        CKorvexActionEnabled reader;
        reader.SetActionVersion(11005);
        QVERIFY(reader.ActionFromString(written.value(QStringLiteral("action")).toString()));
        const auto* url = reader.GetAction().As<Korvex::CKorvexActionUrl>();
        QVERIFY(url);
        QCOMPARE(Korvex::toQString(url->LocalHtmlPath()), folders.at(i));
        QCOMPARE(Korvex::toQString(url->StartupHtmlFile()), QStringLiteral("index.html"));
    }
    QCOMPARE(entryNames(target),
             (QStringList{"_preview.png", "page.ktf", "site/.hidden", "site/index.html", "site/sub/deep.css",
                          "site2/.hidden", "site2/index.html", "site2/sub/deep.css", "site3/.hidden",
                          "site3/index.html", "site3/sub/deep.css"}));
    QCOMPARE(entryData(target, "site2/index.html"), QByteArray("y"));
    QCOMPARE(entryData(target, "site3/index.html"), QByteArray("x"));
    const auto* kept = dynamic_cast<CKorvexDesignerLabel*>(first)->GetAction().As<Korvex::CKorvexActionUrl>();
    QCOMPARE(Korvex::toQString(kept->LocalHtmlPath()), path(QStringLiteral("x/site")));
}

void TestTemplateWriter::deletedAndHiddenItemsAreNotWritten()
{
    const QString deletedPicture = path(QStringLiteral("pics/deleted.png"));
    const QString hiddenPicture = path(QStringLiteral("pics/hidden.png"));
    QVERIFY(writePng(deletedPicture));
    QVERIFY(writePng(hiddenPicture));
    CKorvexDesignerScene scene;
    QGraphicsItem* deleted = addImage(scene, deletedPicture, 1);
    QGraphicsItem* hidden = addImage(scene, hiddenPicture, 2);
    QVERIFY(add(scene, {"type:line", "zvalue:3"}));
    QGraphicsItem* deletedLabel = add(scene, {"type:text", "zvalue:4"});
    dynamic_cast<CKorvexDeletableItem*>(deleted)->setDeleted(true);
    dynamic_cast<CKorvexDeletableItem*>(deletedLabel)->setDeleted(true);
    hidden->setVisible(false);
    const QString target = path(QStringLiteral("page.ktf"));
    QVERIFY(scene.writeTemplate(target));
    const QStringList blocks = blocksOf(packedText(target));
    QCOMPARE(blocks.size(), 2);
    QVERIFY(blocks.at(0).contains("\ntype:screen\n"));
    QVERIFY(blocks.at(1).contains("\ntype:line\n"));
    QCOMPARE(entryNames(target), (QStringList{"_preview.png", "page.ktf"}));
}

void TestTemplateWriter::equalStackingKeepsInsertionOrder()
{
    CKorvexDesignerScene scene;
    QVERIFY(add(scene, {"type:rect", "zvalue:5", "width:1"}));
    QVERIFY(add(scene, {"type:rect", "zvalue:-2", "width:2"}));
    QVERIFY(add(scene, {"type:rect", "zvalue:5", "width:3"}));
    QVERIFY(add(scene, {"type:rect", "zvalue:0", "width:4"}));
    const QString target = path(QStringLiteral("page.ktf"));
    QVERIFY(scene.writeTemplate(target));
    QStringList order;
    const QStringList blocks = blocksOf(packedText(target));
    for (const QString& block : blocks)
        order.append(record(block.split('\n')).value(QStringLiteral("width")).toString());
    QCOMPARE(order, (QStringList{"2", "500", "4", "1", "3"}));
}

void TestTemplateWriter::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing folder") << QStringLiteral("missing/page.ktf");
    QTest::newRow("target is a folder") << QStringLiteral("folder.ktf");
    QTest::newRow("folder as target") << QStringLiteral("folder.ktf/");
}

void TestTemplateWriter::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, target);
    QVERIFY(KorvexZipTest::writeBytes(path(QStringLiteral("folder.ktf/old.txt")), "old"));
    CKorvexDesignerScene scene;
    buildPage(scene);
    scene.setModified(true);
    QVERIFY(!scene.writeTemplate(path(target)));
    QVERIFY(scene.isModified());
    QCOMPARE(KorvexZipTest::treeOf(path(QStringLiteral("folder.ktf"))), QStringList{"old.txt"});
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("missing"))));
    QCOMPARE(KorvexZipTest::treeOf(path(QStringLiteral("tmp"))), QStringList());
}

void TestTemplateWriter::saveReplacesTheOldPackage()
{
    const QString target = path(QStringLiteral("page.ktf"));
    QVERIFY(KorvexZipTest::writeBytes(target, "an older file"));
    CKorvexDesignerScene scene;
    buildPage(scene);
    QVERIFY(scene.writeTemplate(target));
    QCOMPARE(packedText(target), expectedPage);
    scene.deleteSelectedItems();
    QVERIFY(add(scene, {"type:line"}));
    QVERIFY(scene.writeTemplate(target));
    // Every item was selected by the builder, so only the page and the new line remain.
    QCOMPARE(blocksOf(packedText(target)).size(), 2);
    QCOMPARE(entryNames(target), (QStringList{"_preview.png", "page.ktf"}));
}

void TestTemplateWriter::withoutWorkingFolder()
{
    const QString package = path(QStringLiteral("package.ktf"));
    const QString bare = path(QStringLiteral("bare.ktf"));
    {
        CKorvexDesignerScene scene;
        buildPage(scene);
        QVERIFY(scene.writeTemplate(package));
    }
    QVERIFY(KorvexZipTest::writeBytes(bare, expectedPage));
    const QByteArray old = KorvexZipTest::fileBytes(package);
    // A temporary folder that is a file takes no working folders.
    QVERIFY(KorvexZipTest::writeBytes(path(QStringLiteral("tmpfile")), "f"));
    qputenv("TMPDIR", QFile::encodeName(path(QStringLiteral("tmpfile"))));
    QCOMPARE(QDir::tempPath(), path(QStringLiteral("tmpfile")));

    CKorvexDesignerScene scene;
    QVERIFY(add(scene, {"type:line"}));
    scene.setModified(true);
    QVERIFY(!scene.writeTemplate(package));
    QVERIFY(scene.isModified());
    QCOMPARE(KorvexZipTest::fileBytes(package), old);
    // Opening falls back to reading the file itself as text.
    QVERIFY(!scene.readTemplate(package));
    QCOMPARE(scene.currentTemplatePath(), package);
    CKorvexDesignerScene reader;
    QVERIFY(reader.readTemplate(bare));
    QCOMPARE(reader.pageItems().size(), 4);
    QVERIFY(reader.temporaryFolders().isEmpty());
    QVERIFY(QFileInfo(path(QStringLiteral("tmpfile"))).isFile());
}

void TestTemplateWriter::writeReadWriteGivesTheSameText()
{
    const QString background = path(QStringLiteral("pics/back.png"));
    QVERIFY(writePng(background, QSize(20, 30), Qt::cyan));
    QVERIFY(KorvexZipTest::writeBytes(path(QStringLiteral("web/site/index.html")), "<p>hi</p>"));
    CKorvexDesignerScene first;
    buildPage(first);
    QVERIFY(add(first, {"type:screen", "width:640", "height:480", "dpi:96", "page size type:Custom",
                        "is image mode:true", "is gradient mode:true", "path:" + background,
                        "fill color gradient:0 0 1 0 0 255 0 0 0.5 0 255 0 1 0 0 255"}));
    QVERIFY(add(first, {"type:3d area", "start location:200 200", "width:150", "height:100", "zvalue:6",
                        "3d mode:Single Color", "fill color:10 20 30"}));
    QVERIFY(add(first, {"type:link", "start location:50 300", "width:200", "height:40", "zvalue:7",
                        "text:two<korvex_newline>lines: with @ and colon", "url:https://example.org/a?b=c"}));
    QVERIFY(addUrlLabel(first, path(QStringLiteral("web/site")), 8));
    const QString once = path(QStringLiteral("once.ktf"));
    QVERIFY(first.writeTemplate(once));

    CKorvexDesignerScene second;
    QVERIFY(second.readTemplate(once));
    const QString twice = path(QStringLiteral("twice/once.ktf"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("twice"))));
    QVERIFY(second.writeTemplate(twice));
    const QByteArray text = packedText(once);
    QVERIFY(text.contains("\npath:back.png\n"));
    QCOMPARE(packedText(twice), text);
    QCOMPARE(entryNames(twice), entryNames(once));
    QCOMPARE(entryData(twice, "site/index.html"), QByteArray("<p>hi</p>"));
}

KORVEX_TEST_MAIN(TestTemplateWriter)
#include "tst_templatewriter.moc"
