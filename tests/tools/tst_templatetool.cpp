#include "KorvexTestMain.h"
#include "KorvexToolFixtures.h"
#include "io/CKorvexTemplateText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace KorvexToolFixtures;

class TestTemplateTool : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<Folder>(); }

    void helpListsEveryCommandOnOneLine()
    {
        const Run run = runTool({QStringLiteral("--help")});
        QCOMPARE(run.status, 0);
        const QStringList lines = QString::fromUtf8(run.output).split(QLatin1Char('\n'));
        for (const char* command : {"info TEMPLATE", "resave IN OUT", "preview TEMPLATE", "render TEMPLATE OUT",
                                    "validate TEMPLATE", "--help", "--version"}) {
            const QString synopsis = QRegularExpression::escape(QLatin1String(command));
            QVERIFY2(lines.filter(QRegularExpression(QStringLiteral("^  ") + synopsis + QStringLiteral(".*\\s{2,}\\S"))).size() == 1,
                     command);
        }
        QCOMPARE(runTool({QStringLiteral("--version")}).output, QByteArray("korvex-template " KORVEX_VERSION_STRING "\n"));
    }

    void wrongUsageExits64_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << QStringList{} << "korvex-template: no command given\nTry \"korvex-template --help\".\n";
        QTest::newRow("unknown command") << QStringList{"print", "a.ktf"} << "unknown command \"print\"";
        QTest::newRow("info with two") << QStringList{"info", "a.ktf", "b.ktf"} << "info takes 1 file argument";
        QTest::newRow("resave without target") << QStringList{"resave", "a.ktf"} << "resave takes 2 file argument";
        QTest::newRow("unknown option") << QStringList{"info", "a.ktf", "--xml"} << "info does not take the option --xml";
        QTest::newRow("json on render") << QStringList{"render", "a.ktf", "b.png", "--json"} << "does not take";
        QTest::newRow("scale without value") << QStringList{"render", "a.ktf", "b.png", "--scale"} << "--scale needs a value";
        QTest::newRow("scale zero") << QStringList{"render", "a.ktf", "b.png", "--scale", "0"} << "greater than 0";
        QTest::newRow("scale negative") << QStringList{"render", "a.ktf", "b.png", "--scale=-2"} << "greater than 0";
        QTest::newRow("scale text") << QStringList{"render", "a.ktf", "b.png", "--scale", "big"} << "greater than 0";
        QTest::newRow("scale infinite") << QStringList{"render", "a.ktf", "b.png", "--scale", "inf"} << "greater than 0";
        QTest::newRow("render to jpeg") << QStringList{"render", "a.ktf", "b.jpg"} << "writes .png or .pdf";
        QTest::newRow("empty dictionary") << QStringList{"validate", "a.ktf", "--dictionary="} << "needs a file";
    }

    void wrongUsageExits64()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = runTool(arguments);
        QCOMPARE(run.status, 64);
        QVERIFY(run.output.isEmpty());
        QVERIFY2(run.errors.contains(message.toUtf8()), run.errors.constData());
    }

    void infoListsTheRecordsBottomFirst()
    {
        const QString package = m_folder->package(QStringLiteral("page.ktf"));
        const Run json = runTool({QStringLiteral("info"), package, QStringLiteral("--json")});
        QCOMPARE(json.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(json.output).object();
        QCOMPARE(root.value(QStringLiteral("version")).toInt(), 11005);
        const QJsonArray items = root.value(QStringLiteral("items")).toArray();
        QStringList types;
        for (const QJsonValue& item : items)
            types << item.toObject().value(QStringLiteral("type")).toString();
        QCOMPARE(types, (QStringList{"screen", "rect", "image"}));
        const auto record = [&](int index) { return items.at(index).toObject().value(QStringLiteral("record")).toObject(); };
        QCOMPARE(record(0).value(QStringLiteral("fill color")).toString(), QStringLiteral("200 30 30"));
        QCOMPARE(record(1).value(QStringLiteral("start location")).toString(), QStringLiteral("100 100"));
        QCOMPARE(record(1).value(QStringLiteral("width")).toString(), QStringLiteral("50"));
        QCOMPARE(record(2).value(QStringLiteral("path")).toString(), QStringLiteral("logo.png"));

        // Bare text without the header lines has no version.
        const QString bare = m_folder->text(QStringLiteral("bare.txt"), {screenBlock(), rectBlock()}, false);
        const QJsonObject bareRoot = QJsonDocument::fromJson(runTool({"info", bare, "--json"}).output).object();
        QVERIFY(bareRoot.contains(QStringLiteral("version")) && bareRoot.value(QStringLiteral("version")).isNull());
        const Run text = runTool({QStringLiteral("info"), bare});
        QCOMPARE(text.status, 0);
        const QStringList lines = text.outputLines();
        QCOMPARE(lines.mid(0, 2), (QStringList{"version: none", "item 1: screen"}));
        QVERIFY(lines.indexOf(QStringLiteral("item 2: rect")) > 2);
        QVERIFY(lines.contains(QStringLiteral("  pen width:1")));
    }

    void unreadableTemplatesFail_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("blank line between blocks") << (screenBlock() + "\n\n" + rectBlock() + "\n").toUtf8()
                                                   << "an empty line stands between the item blocks, after item 1";
        QTest::newRow("stray line") << (screenBlock() + "\nhello\n" + rectBlock() + "\n").toUtf8()
                                    << "a line outside the item blocks, after item 1: \"hello\"";
        QTest::newRow("unknown type") << QByteArray("item begin\ntype:circle\nitem end\n")
                                      << "item 1 has the unknown type \"circle\"";
        QTest::newRow("no type") << QByteArray("item begin\nwidth:4\nitem end\n") << "item 1 has no \"type\"";
        QTest::newRow("one line") << QByteArray("Template file versoin 1.0\nitem begin\n") << "fewer than two lines";
        QTest::newRow("too many items") << QString(screenBlock() + "\n").repeated(CKorvexTemplateText::maxBlocks + 1).toUtf8()
                                        << "too large to read";
        QTest::newRow("zip damaged") << QByteArray("PK\x03\x04garbage\nmore\n")
                                     << "a line outside the item blocks, before the first item";
    }

    void unreadableTemplatesFail()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        const QString file = m_folder->path(QStringLiteral("broken.ktf"));
        QVERIFY(KorvexTestFiles::writeFile(file, content));
        const Run run = runTool({QStringLiteral("info"), file});
        QCOMPARE(run.status, 1);
        QVERIFY(run.output.isEmpty());
        QCOMPARE(run.errorLines().size(), 1);
        QVERIFY2(run.errorLines().first().startsWith("error: " + file + ": "), run.errors);
        QVERIFY2(run.errorLines().first().contains(reason), run.errors);
    }

    void resaveKeepsTheTextEntryByteForByte()
    {
        const QString package = m_folder->package(QStringLiteral("page.ktf"));
        const QString copy = m_folder->path(QStringLiteral("copy.ktf"));
        const Run run = runTool({QStringLiteral("resave"), package, copy});
        QCOMPARE(run.status, 0);
        QVERIFY(run.errorLines().isEmpty());
        const QByteArray original = packageEntry(package, QStringLiteral("page.ktf"));
        QVERIFY(original.startsWith("Template file versoin 1.0\nkvx file version 11005\nitem begin\n"));
        QCOMPARE(packageEntry(copy, QStringLiteral("copy.ktf")), original);
        QCOMPARE(packageEntry(copy, QStringLiteral("logo.png")), packageEntry(package, QStringLiteral("logo.png")));

        // Bare text comes out as a package with the header lines.
        const QString bare = m_folder->text(QStringLiteral("bare.txt"), {screenBlock(), rectBlock()}, false);
        QCOMPARE(runTool({QStringLiteral("resave"), bare, copy}).status, 0);
        const QByteArray entry = packageEntry(copy, QStringLiteral("copy.ktf"));
        QVERIFY(entry.startsWith("Template file versoin 1.0\nkvx file version 11005\n"));
        QVERIFY(entry.contains("\ntype:rect\n") && entry.endsWith("item end\n"));
    }

    void previewIsThePackedPreview()
    {
        const QString package = m_folder->package(QStringLiteral("page.ktf"));
        const QString picture = m_folder->path(QStringLiteral("preview.png"));
        QCOMPARE(runTool({QStringLiteral("preview"), package, picture}).status, 0);
        const QImage written = QImage(picture).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(written.size(), QSize(130, 130));
        QCOMPARE(written, QImage::fromData(packageEntry(package, QStringLiteral("_preview.png")), "PNG")
                              .convertToFormat(QImage::Format_ARGB32));
    }

    void unwritableTargetFails_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");
        QTest::newRow("resave") << "resave" << "no/folder/out.ktf";
        QTest::newRow("preview") << "preview" << "no/folder/out.png";
        QTest::newRow("render png") << "render" << "no/folder/out.png";
        QTest::newRow("render pdf") << "render" << "no/folder/out.pdf";
    }

    void unwritableTargetFails()
    {
        QFETCH(QString, command);
        QFETCH(QString, target);
        target = m_folder->path(target);
        const Run run = runTool({command, m_folder->text(QStringLiteral("page.ktf"), {screenBlock()}), target});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.errorLines().last().startsWith("error: " + target + ": "), run.errors);
        QVERIFY(!QFile::exists(target));
    }

private:
    std::unique_ptr<Folder> m_folder;
};

KORVEX_TEST_MAIN(TestTemplateTool)
#include "tst_templatetool.moc"
