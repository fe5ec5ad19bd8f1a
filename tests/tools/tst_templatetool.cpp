#include "KorvexTestMain.h"
#include "KorvexToolFixtures.h"
#include "KorvexToolRun.h"
#include "io/CKorvexTemplateText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace KorvexToolFixtures;

class TestTemplateTool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void helpListsEveryCommandOnOneLine();
    void versionNamesTheTool();
    void wrongUsageExits64_data();
    void wrongUsageExits64();
    void infoJsonListsTheRecordsBottomFirst();
    void infoJsonOfBareTextWithoutVersionHasNull();
    void infoTextShowsVersionAndItems();
    void unreadableTemplatesFail_data();
    void unreadableTemplatesFail();
    void resaveReproducesTheTextEntryByteForByte();
    void resaveOfBareTextWritesAPackage();
    void resaveToAnUnwritablePlaceFails();
    void previewMatchesThePackedPreview();
    void runsWithoutADisplaySetting();

private:
    QString path(const QString& name) const { return m_folder->filePath(name); }
    QString goodPackage();

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestTemplateTool::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

QString TestTemplateTool::goodPackage()
{
    const QString picture = writePicture(path(QStringLiteral("logo.png")), Qt::green);
    const QString text = writeText(path(QStringLiteral("source.txt")), {screenBlock(), rectBlock(), imageBlock(picture)});
    const QString package = path(QStringLiteral("page.ktf"));
    return savePackage(text, package) ? package : QString();
}

void TestTemplateTool::helpListsEveryCommandOnOneLine()
{
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("--help")});
    QCOMPARE(run.status, 0);
    const QStringList lines = QString::fromUtf8(run.output).split(QLatin1Char('\n'));
    for (const char* command : {"info TEMPLATE", "resave IN OUT", "preview TEMPLATE", "render TEMPLATE OUT",
                                "validate TEMPLATE", "--help", "--version"}) {
        const QStringList matching = lines.filter(QRegularExpression(QStringLiteral("^  ")
                                                                     + QRegularExpression::escape(QLatin1String(command))
                                                                     + QStringLiteral(".*\\s{2,}\\S")));
        QVERIFY2(matching.size() == 1, command);
    }
}

void TestTemplateTool::versionNamesTheTool()
{
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("--version")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.output, QByteArray("korvex-template " KORVEX_VERSION_STRING "\n"));
}

void TestTemplateTool::wrongUsageExits64_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing") << QStringList{} << "no command given";
    QTest::newRow("unknown command") << QStringList{"print", "a.ktf"} << "unknown command \"print\"";
    QTest::newRow("info without template") << QStringList{"info"} << "info takes 1 file argument";
    QTest::newRow("info with two") << QStringList{"info", "a.ktf", "b.ktf"} << "info takes 1 file argument";
    QTest::newRow("resave without target") << QStringList{"resave", "a.ktf"} << "resave takes 2 file argument";
    QTest::newRow("preview without target") << QStringList{"preview", "a.ktf"} << "preview takes 2";
    QTest::newRow("unknown option") << QStringList{"info", "a.ktf", "--xml"} << "info does not take the option --xml";
    QTest::newRow("json on render") << QStringList{"render", "a.ktf", "b.png", "--json"} << "does not take";
    QTest::newRow("dictionary on info") << QStringList{"info", "a.ktf", "--dictionary", "d.df"} << "does not take";
    QTest::newRow("scale without value") << QStringList{"render", "a.ktf", "b.png", "--scale"} << "--scale needs a value";
    QTest::newRow("scale zero") << QStringList{"render", "a.ktf", "b.png", "--scale", "0"} << "greater than 0";
    QTest::newRow("scale negative") << QStringList{"render", "a.ktf", "b.png", "--scale=-2"} << "greater than 0";
    QTest::newRow("scale text") << QStringList{"render", "a.ktf", "b.png", "--scale", "big"} << "greater than 0";
    QTest::newRow("scale infinite") << QStringList{"render", "a.ktf", "b.png", "--scale", "inf"} << "greater than 0";
    QTest::newRow("render to jpeg") << QStringList{"render", "a.ktf", "b.jpg"} << "writes .png or .pdf";
    QTest::newRow("empty dictionary") << QStringList{"validate", "a.ktf", "--dictionary="} << "needs a file";
}

void TestTemplateTool::wrongUsageExits64()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const KorvexToolRun run = KorvexToolRun::of(arguments);
    QCOMPARE(run.status, 64);
    QVERIFY(run.output.isEmpty());
    QVERIFY2(run.errors.contains(message.toUtf8()), run.errors.constData());
}

void TestTemplateTool::infoJsonListsTheRecordsBottomFirst()
{
    const QString package = goodPackage();
    QVERIFY(!package.isEmpty());
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("info"), package, QStringLiteral("--json")});
    QCOMPARE(run.status, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.output, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document.object().value(QStringLiteral("version")).toInt(), 11005);
    const QJsonArray items = document.object().value(QStringLiteral("items")).toArray();
    QCOMPARE(items.size(), 3);
    QStringList types;
    for (const QJsonValue& item : items)
        types << item.toObject().value(QStringLiteral("type")).toString();
    QCOMPARE(types, (QStringList{"screen", "rect", "image"}));
    const QJsonObject rect = items.at(1).toObject().value(QStringLiteral("record")).toObject();
    QCOMPARE(rect.value(QStringLiteral("fill color")).toString(), QStringLiteral("0 0 255 255"));
    QCOMPARE(rect.value(QStringLiteral("start location")).toString(), QStringLiteral("100 100"));
    QCOMPARE(rect.value(QStringLiteral("width")).toString(), QStringLiteral("50"));
    const QJsonObject screen = items.at(0).toObject().value(QStringLiteral("record")).toObject();
    QCOMPARE(screen.value(QStringLiteral("fill color")).toString(), QStringLiteral("200 30 30"));
    const QJsonObject image = items.at(2).toObject().value(QStringLiteral("record")).toObject();
    QCOMPARE(image.value(QStringLiteral("path")).toString(), QStringLiteral("logo.png"));
}

void TestTemplateTool::infoJsonOfBareTextWithoutVersionHasNull()
{
    const QString text = writeText(path(QStringLiteral("bare.txt")), {screenBlock(), rectBlock()}, false);
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("info"), text, QStringLiteral("--json")});
    QCOMPARE(run.status, 0);
    const QJsonObject root = QJsonDocument::fromJson(run.output).object();
    QVERIFY(root.contains(QStringLiteral("version")));
    QVERIFY(root.value(QStringLiteral("version")).isNull());
    QCOMPARE(root.value(QStringLiteral("items")).toArray().size(), 2);
}

void TestTemplateTool::infoTextShowsVersionAndItems()
{
    const QString text = writeText(path(QStringLiteral("page.ktf")), {screenBlock(), rectBlock()});
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("info"), text});
    QCOMPARE(run.status, 0);
    const QStringList lines = QString::fromUtf8(run.output).split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("version: 11005"));
    QVERIFY(lines.contains(QStringLiteral("item 1: screen")));
    QVERIFY(lines.contains(QStringLiteral("item 2: rect")));
    QVERIFY(lines.contains(QStringLiteral("  pen width:1")));
    QVERIFY(lines.indexOf(QStringLiteral("item 1: screen")) < lines.indexOf(QStringLiteral("item 2: rect")));
}

void TestTemplateTool::unreadableTemplatesFail_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("blank line between blocks")
        << (screenBlock() + "\n\n" + rectBlock() + "\n").toUtf8() << "an empty line stands between the item blocks";
    QTest::newRow("stray line") << (screenBlock() + "\nhello\n" + rectBlock() + "\n").toUtf8()
                                << "a line outside the item blocks, after item 1: \"hello\"";
    QTest::newRow("unknown type") << QByteArray("item begin\ntype:circle\nitem end\n")
                                  << "item 1 has the unknown type \"circle\"";
    QTest::newRow("no type") << QByteArray("item begin\nwidth:4\nitem end\n") << "item 1 has no \"type\"";
    QTest::newRow("one line") << QByteArray("Template file versoin 1.0\nitem begin\n")
                              << "fewer than two lines";
    QTest::newRow("too many items")
        << QString(screenBlock() + "\n").repeated(CKorvexTemplateText::maxBlocks + 1).toUtf8() << "too large to read";
    QTest::newRow("zip damaged") << QByteArray("PK\x03\x04garbage\nmore\n") << "a line outside the item blocks";
}

void TestTemplateTool::unreadableTemplatesFail()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString file = writeFile(path(QStringLiteral("broken.ktf")), content);
    for (const char* command : {"info", "validate"}) {
        const KorvexToolRun run = KorvexToolRun::of({QLatin1String(command), file});
        QCOMPARE(run.status, 1);
        const QStringList errors = run.errorLines();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith(QStringLiteral("error: ") + file + QStringLiteral(": ")), run.errors);
        QVERIFY2(errors.first().contains(reason), run.errors);
    }
}

void TestTemplateTool::resaveReproducesTheTextEntryByteForByte()
{
    const QString package = goodPackage();
    QVERIFY(!package.isEmpty());
    const QString copy = path(QStringLiteral("copy.ktf"));
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("resave"), package, copy});
    QCOMPARE(run.status, 0);
    QVERIFY(run.errorLines().isEmpty());
    const QByteArray original = packageEntry(package, QStringLiteral("page.ktf"));
    QVERIFY(original.startsWith("Template file versoin 1.0\nkvx file version 11005\nitem begin\n"));
    QCOMPARE(packageEntry(copy, QStringLiteral("copy.ktf")), original);
    QCOMPARE(packageEntry(copy, QStringLiteral("logo.png")), packageEntry(package, QStringLiteral("logo.png")));
    QVERIFY(!packageEntry(copy, QStringLiteral("_preview.png")).isEmpty());
}

void TestTemplateTool::resaveOfBareTextWritesAPackage()
{
    const QString text = writeText(path(QStringLiteral("bare.txt")), {screenBlock(), rectBlock()}, false);
    const QString target = path(QStringLiteral("out.ktf"));
    QCOMPARE(KorvexToolRun::of({QStringLiteral("resave"), text, target}).status, 0);
    const QByteArray entry = packageEntry(target, QStringLiteral("out.ktf"));
    QVERIFY(entry.startsWith("Template file versoin 1.0\nkvx file version 11005\n"));
    QVERIFY(entry.contains("\ntype:rect\n"));
    QVERIFY(entry.endsWith("item end\n"));
}

void TestTemplateTool::resaveToAnUnwritablePlaceFails()
{
    const QString text = writeText(path(QStringLiteral("page.ktf")), {screenBlock()});
    const QString target = path(QStringLiteral("no/such/folder/out.ktf"));
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("resave"), text, target});
    QCOMPARE(run.status, 1);
    QVERIFY(run.errors.contains("error: " + target.toUtf8()));
    QVERIFY(!QFile::exists(target));
}

void TestTemplateTool::previewMatchesThePackedPreview()
{
    const QString package = goodPackage();
    QVERIFY(!package.isEmpty());
    const QString picture = path(QStringLiteral("preview.png"));
    QCOMPARE(KorvexToolRun::of({QStringLiteral("preview"), package, picture}).status, 0);
    QImage written(picture);
    QCOMPARE(written.size(), QSize(130, 130));
    QImage packed = QImage::fromData(packageEntry(package, QStringLiteral("_preview.png")), "PNG");
    QVERIFY(!packed.isNull());
    QCOMPARE(written.convertToFormat(QImage::Format_ARGB32), packed.convertToFormat(QImage::Format_ARGB32));
}

void TestTemplateTool::runsWithoutADisplaySetting()
{
    const QString text = writeText(path(QStringLiteral("page.ktf")), {screenBlock(), rectBlock()});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const QString picture = path(QStringLiteral("page.png"));
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("render"), text, picture}, environment);
    QCOMPARE(run.status, 0);
    QCOMPARE(QImage(picture).size(), QSize(400, 300));
}

KORVEX_TEST_MAIN(TestTemplateTool)
#include "tst_templatetool.moc"
