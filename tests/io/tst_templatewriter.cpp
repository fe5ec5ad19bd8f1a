#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "KorvexZipTestArchive.h"
#include "core/CKorvexActionUrl.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerLabel.h"

#include <QImage>
#include <QTemporaryDir>
#include <memory>

using namespace KorvexTestPage;
using namespace KorvexZipTest;
using KorvexTestFiles::writeFile;
using KorvexTestFiles::writePng;

namespace {

// A page with one item of each kind that writes defaults, as it is saved.
const QByteArray expectedPage =
    "Template file versoin 1.0\nkvx file version 11005\n"
    "item begin\ndictionary key:\ndpi:72\nfill color:255 255 255\n"
    "fill color gradient:0 0 1 0 0 0 0 0 1 255 255 255\nheight:700\nimage source type:file\n"
    "is gradient mode:false\nis image mode:false\npage size type:Custom\npath:\nscene state index:0\n"
    "scene state name:\nscene state type:name\nstart location:0 0\ntype:screen\nwidth:500\nzvalue:0\nitem end\n"
    "item begin\nfill color:0 0 255 128\nfill color gradient:0 0 1 0 0 0 0 0 1 255 255 255\nheight:50\n"
    "is gradient mode:false\npen color:255 0 0\npen width:2\nstart location:10 20\ntype:rect\nwidth:100\n"
    "zvalue:1\nitem end\n"
    "item begin\nend location:100 0\npen color:0 0 0\npen width:1\nstart location:0 0\ntype:line\nzvalue:2\n"
    "item end\n"
    "item begin\naction:0\ndictionary key:\nheight:48\nimage source type:file\nkeep aspect ratio:0\n"
    "path:logo.png\nscale to fit:0\nscene state index:0\nscene state name:\nscene state type:index\n"
    "start location:30 40\ntype:image\nurl:\nwidth:64\nzvalue:3\nitem end\n"
    "item begin\ncustom id:name\nheight:20\nstart location:5 5\ntype:form_text_box\nwidth:120\nzvalue:4\n"
    "item end\n";

} // namespace

/// Saves pages through the scene, with working folders in a private temporary folder.
class TestTemplateWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedPackage();
    void imagesArePackedUnderPackageNames();
    void htmlFoldersAreRenamedInTheAction();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void writeReadWriteGivesTheSameText();

private:
    void buildPage(CKorvexDesignerScene& scene);
    static QGraphicsItem* addImage(CKorvexDesignerScene& scene, const QString& picture, int z, int width = 64);
    static QGraphicsItem* addUrlLabel(CKorvexDesignerScene& scene, const QString& htmlFolder, int z);
    /// The text of the action that addUrlLabel sets.
    static QString urlAction(const QString& htmlFolder)
    {
        return "1<?KORVEX_ELEMENT>index.html<?KORVEX_ELEMENT>" + htmlFolder + "<?KORVEX_ELEMENT>index.html";
    }
    QString path(const QString& relative) const { return m_dir->filePath(relative); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_savedTemporary;
};

void TestTemplateWriter::init()
{
    KorvexTestEnvironment::clearSettings();
    m_dir = std::make_unique<QTemporaryDir>();
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

QGraphicsItem* TestTemplateWriter::addImage(CKorvexDesignerScene& scene, const QString& picture, int z, int width)
{
    return add(scene, {"type:image", "start location:30 40", QStringLiteral("width:%1").arg(width), "height:48",
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

void TestTemplateWriter::savedPackage()
{
    const QString name = QString::fromUtf8("Größe.ktf");
    const QString target = path(name);
    QVERIFY(writeFile(target, "an older bare text file"));
    CKorvexDesignerScene scene;
    buildPage(scene);
    scene.setModified(true);
    QVERIFY(scene.writeTemplate(target));
    QVERIFY(!scene.isModified());
    const QMap<QString, QByteArray> entries = entriesOf(target);
    QCOMPARE(entries.keys(), (QStringList{name, "_preview.png", "logo.png"}));
    QCOMPARE(entries.value(name), expectedPage);
    QCOMPARE(entries.value("logo.png"), fileBytes(path(QStringLiteral("pics/logo.png"))));
    QCOMPARE(QImage::fromData(entries.value("_preview.png"), "PNG").size(), QSize(130, 130));
    QCOMPARE(treeOf(path(QStringLiteral("tmp"))), QStringList());
    // Only the written copy holds the package name.
    QCOMPARE(CKorvexDesignerItem::companionOf(scene.pageItems().at(2))->record().value("path").toString(),
             path(QStringLiteral("pics/logo.png")));

    // The builder selected every item: the next save holds the page and the new line only.
    scene.deleteSelectedItems();
    QVERIFY(add(scene, {"type:line"}));
    QVERIFY(scene.writeTemplate(target));
    QCOMPARE(packedValues(target, "type"), QStringLiteral("screen|line"));
    QCOMPARE(entriesOf(target).keys(), (QStringList{name, "_preview.png"}));
}

void TestTemplateWriter::imagesArePackedUnderPackageNames()
{
    const QStringList files{path("a/logo.png"), path("b/logo.png"), path("c/logo0.png"), path("deleted.png"),
                            path("hidden.png")};
    for (int i = 0; i < files.size(); ++i)
        QVERIFY(writePng(files.at(i), QSize(4 + i, 4)));
    CKorvexDesignerScene scene;
    QVERIFY(add(scene, {"type:screen", "is image mode:true", "path:" + files.at(0)}));
    // Written bottom first, equal z in the order of insertion; the widths tell the items apart.
    const int z[] = {5, -2, 0, 5, -2};
    const int file[] = {0, 1, 2, 0, 1};
    for (int i = 0; i < 5; ++i)
        QVERIFY(addImage(scene, files.at(file[i]), z[i], i + 1));
    QGraphicsItem* deleted = addImage(scene, files.at(3), 1, 6);
    QGraphicsItem* hidden = addImage(scene, files.at(4), 1, 7);
    QGraphicsItem* deletedText = add(scene, {"type:text", "zvalue:1", "width:8"});
    dynamic_cast<CKorvexDeletableItem*>(deleted)->setDeleted(true);
    dynamic_cast<CKorvexDeletableItem*>(deletedText)->setDeleted(true);
    hidden->setVisible(false);
    const QString target = path(QStringLiteral("page.ktf"));
    QVERIFY(scene.writeTemplate(target));
    QCOMPARE(packedValues(target, "width"), QStringLiteral("2|5|500|3|1|4"));
    // Names are given bottom first with one counter for all clashes, also for a file named like a
    // made name; a clashing file is packed again under each new name, a shared one once.
    QCOMPARE(packedValues(target, "path"),
             QStringLiteral("logo.png|logo.png|logo0.png|logo01.png|logo2.png|logo3.png"));
    const QMap<QString, QByteArray> entries = entriesOf(target);
    QCOMPARE(entries.keys(), (QStringList{"_preview.png", "logo.png", "logo0.png", "logo01.png", "logo2.png",
                                          "logo3.png", "page.ktf"}));
    const QList<QPair<QString, int>> sources{{"logo.png", 1}, {"logo0.png", 0}, {"logo01.png", 2}, {"logo2.png", 0}};
    for (const auto& source : sources)
        QCOMPARE(entries.value(source.first), fileBytes(files.at(source.second)));
}

void TestTemplateWriter::htmlFoldersAreRenamedInTheAction()
{
    for (const QString& root : {QStringLiteral("x"), QStringLiteral("y")}) {
        QVERIFY(writeFile(path(root + "/site/index.html"), root.toUtf8()));
        QVERIFY(writeFile(path(root + "/site/.hidden"), "h"));
        QVERIFY(writeFile(path(root + "/site/sub/deep.css"), "css"));
    }
    CKorvexDesignerScene scene;
    QGraphicsItem* first = addUrlLabel(scene, path(QStringLiteral("x/site")), 1);
    QVERIFY(first);
    QVERIFY(addUrlLabel(scene, path(QStringLiteral("y/site")), 2));
    QVERIFY(addUrlLabel(scene, path(QStringLiteral("x/site")), 3));
    const QString target = path(QStringLiteral("page.ktf"));
    QVERIFY(scene.writeTemplate(target));
    QCOMPARE(packedValues(target, "action"),
             "|" + urlAction("site") + "|" + urlAction("site2") + "|" + urlAction("site3"));
    const QMap<QString, QByteArray> entries = entriesOf(target);
    QCOMPARE(entries.keys(), (QStringList{"_preview.png", "page.ktf", "site/.hidden", "site/index.html",
                                          "site/sub/deep.css", "site2/.hidden", "site2/index.html",
                                          "site2/sub/deep.css", "site3/.hidden", "site3/index.html",
                                          "site3/sub/deep.css"}));
    QCOMPARE(entries.value("site2/index.html"), QByteArray("y"));
    QCOMPARE(entries.value("site3/index.html"), QByteArray("x"));
    QCOMPARE(scene.itemProperties(first).value("action").toString(), urlAction(path(QStringLiteral("x/site"))));
}

void TestTemplateWriter::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("temporaryIsAFile");
    QTest::newRow("missing folder") << QStringLiteral("missing/page.ktf") << false;
    QTest::newRow("target is a folder") << QStringLiteral("folder.ktf") << false;
    QTest::newRow("folder as target") << QStringLiteral("folder.ktf/") << false;
    QTest::newRow("no working folder") << QStringLiteral("folder.ktf/old.txt") << true;
}

void TestTemplateWriter::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(bool, temporaryIsAFile);
    QVERIFY(writeFile(path(QStringLiteral("folder.ktf/old.txt")), "old"));
    if (temporaryIsAFile) {
        QVERIFY(writeFile(path(QStringLiteral("tmpfile")), "f"));
        qputenv("TMPDIR", QFile::encodeName(path(QStringLiteral("tmpfile"))));
    }
    CKorvexDesignerScene scene;
    buildPage(scene);
    scene.setModified(true);
    QVERIFY(!scene.writeTemplate(path(target)));
    QVERIFY(scene.isModified());
    QCOMPARE(treeOf(path(QStringLiteral("folder.ktf"))), QStringList{"old.txt"});
    QCOMPARE(fileBytes(path(QStringLiteral("folder.ktf/old.txt"))), QByteArray("old"));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("missing"))));
    QCOMPARE(treeOf(path(QStringLiteral("tmp"))), QStringList());
}

void TestTemplateWriter::writeReadWriteGivesTheSameText()
{
    const QString background = path(QStringLiteral("pics/back.png"));
    QVERIFY(writePng(background, QSize(20, 30), Qt::cyan));
    QVERIFY(writeFile(path(QStringLiteral("web/site/index.html")), "<p>hi</p>"));
    CKorvexDesignerScene first;
    buildPage(first);
    QVERIFY(add(first, {"type:screen", "width:640", "height:480", "dpi:96", "is image mode:true",
                        "is gradient mode:true", "path:" + background,
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
    QVERIFY(packedText(once).contains("\npath:back.png\n"));
    QCOMPARE(packedText(twice), packedText(once));
    QCOMPARE(entriesOf(twice).keys(), entriesOf(once).keys());
    QCOMPARE(entriesOf(twice).value("site/index.html"), QByteArray("<p>hi</p>"));
}

KORVEX_TEST_MAIN(TestTemplateWriter)
#include "tst_templatewriter.moc"
