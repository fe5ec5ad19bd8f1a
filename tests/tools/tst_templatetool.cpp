#include "KorvexTestMain.h"
#include "KorvexToolFixtures.h"
#include "io/CKorvexTemplateText.h"
#include "tools/CKorvexValueCheck.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace KorvexToolFixtures;

namespace {

const QColor pageRed(200, 30, 30);

template <typename Test>
int pixelsWhere(const QImage& picture, const QRect& area, Test test)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(picture.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}

} // namespace

class TestTemplateTool : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        toolSettings()->clear();
        m_folder = std::make_unique<Folder>();
    }

    void helpAndVersion()
    {
        const Run help = m_folder->run({QStringLiteral("--help")});
        QVERIFY(help.status == 0 && help.output.contains("\n  validate TEMPLATE "));
        QCOMPARE(m_folder->run({QStringLiteral("--version")}).output,
                 QByteArray("korvex-template " KORVEX_VERSION_STRING "\n"));
    }

    void wrongUsageExits64_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << QStringList{} << "korvex-template: no command given\nTry \"korvex-template --help\".\n";
        QTest::newRow("unknown command") << QStringList{"print", "a.ktf"} << "unknown command \"print\"";
        QTest::newRow("file count") << QStringList{"resave", "a.ktf"} << "resave takes 2 file argument";
        QTest::newRow("unknown option") << QStringList{"info", "a.ktf", "--xml"} << "info does not take the option --xml";
        QTest::newRow("scale alone") << QStringList{"render", "a.ktf", "b.png", "--scale"} << "--scale needs a value";
        QTest::newRow("scale zero") << QStringList{"render", "a.ktf", "b.png", "--scale=0"} << "greater than 0";
        QTest::newRow("scale text") << QStringList{"render", "a.ktf", "b.png", "--scale", "big"} << "greater than 0";
        QTest::newRow("scale infinite") << QStringList{"render", "a.ktf", "b.png", "--scale", "inf"} << "greater than 0";
        QTest::newRow("render to jpeg") << QStringList{"render", "a.ktf", "b.jpg"} << "writes .png or .pdf";
        QTest::newRow("empty dictionary") << QStringList{"validate", "a.ktf", "--dictionary="} << "needs a file";
    }

    void wrongUsageExits64()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = m_folder->run(arguments);
        QCOMPARE(run.status, 64);
        QVERIFY(run.output.isEmpty());
        QVERIFY2(run.errors.contains(message.toUtf8()), run.errors.constData());
    }

    void failuresExit1WithTheReason_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("errors"); // the start of each line
        const QByteArray good = (screenBlock() + '\n' + rectBlock() + '\n').toUtf8();
        const QStringList info{"info", "page.ktf"};
        QTest::newRow("blank line between blocks") << (screenBlock() + "\n\n" + rectBlock() + '\n').toUtf8() << info
            << "error: page.ktf: an empty line stands between the item blocks, after item 1";
        QTest::newRow("stray line") << (screenBlock() + "\nhello\n" + rectBlock() + '\n').toUtf8() << info
            << "error: page.ktf: a line outside the item blocks, after item 1: \"hello\"";
        QTest::newRow("zip damaged") << QByteArray("PK\x03\x04garbage\nmore\n") << info
            << "error: page.ktf: a line outside the item blocks, before the first item: \"PK??garbage\"";
        QTest::newRow("unknown type") << QByteArray("item begin\ntype:circle\nitem end\n") << info
            << "error: page.ktf: item 1 has the unknown type \"circle\"";
        QTest::newRow("no type") << QByteArray("item begin\nwidth:4\nitem end\n") << info
            << "error: page.ktf: item 1 has no \"type\"";
        QTest::newRow("one line") << QByteArray("Template file versoin 1.0\nitem begin\n") << info
            << "error: page.ktf: the template text has fewer than two lines of items";
        const QByteArray tooMany = QString(screenBlock() + '\n').repeated(CKorvexTemplateText::maxBlocks + 1).toUtf8();
        QTest::newRow("too many items") << tooMany << info << "error: page.ktf: the template text is too large to read";
        QTest::newRow("folder") << good << QStringList{"info", "."} << "error: .: is a folder, not a template";
        QTest::newRow("no such file") << good << QStringList{"validate", "none.ktf"} << "error: none.ktf: no such file";
        QTest::newRow("unreadable dictionary") << good << QStringList{"render", "page.ktf", "page.png", "--dictionary=x.df"}
            << "prompt (message): Open faild: Unable to open dictionary file\n"
               "error: x.df: the dictionary file cannot be read";
        QTest::newRow("resave") << good << QStringList{"resave", "page.ktf", "no/page.ktf"}
                                << "error: no/page.ktf: the template cannot be saved there";
        QTest::newRow("preview") << good << QStringList{"preview", "page.ktf", "no/page.png"}
                                 << "error: no/page.png: the preview cannot be written there";
        QTest::newRow("render png") << good << QStringList{"render", "page.ktf", "no/page.png"}
                                    << "error: no/page.png: the picture cannot be written there";
        QTest::newRow("render pdf") << good << QStringList{"render", "page.ktf", "no/page.pdf"}
                                    << "error: no/page.pdf: the PDF cannot be written there";
    }

    void failuresExit1WithTheReason()
    {
        QFETCH(QByteArray, page);
        QFETCH(QStringList, arguments);
        QFETCH(QString, errors);
        QVERIFY(KorvexTestFiles::writeFile(m_folder->path(QStringLiteral("page.ktf")), page));
        const Run run = m_folder->run(arguments);
        QCOMPARE(run.status, 1);
        QVERIFY(run.output.isEmpty());
        const QStringList lines = run.errorLines();
        const QStringList expected = errors.split('\n');
        QCOMPARE(lines.size(), expected.size());
        for (int index = 0; index < lines.size(); ++index)
            QVERIFY2(lines.at(index).startsWith(expected.at(index)), qPrintable(lines.at(index)));
        QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("no"))));
        QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("page.png"))));
    }

    void infoListsTheRecordsBottomFirst()
    {
        const QString package = m_folder->package(QStringLiteral("page.ktf"));
        QCOMPARE(m_folder->run({QStringLiteral("info"), package}).outputLines().value(0), QStringLiteral("version: 11005"));
        const Run json = m_folder->run({QStringLiteral("info"), package, QStringLiteral("--json")});
        QCOMPARE(json.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(json.output).object();
        QCOMPARE(root.value(QStringLiteral("version")).toInt(), 11005);
        const QJsonArray items = root.value(QStringLiteral("items")).toArray();
        QStringList types;
        for (const QJsonValue& item : items)
            types << item.toObject().value(QStringLiteral("type")).toString();
        QCOMPARE(types, (QStringList{"screen", "rect", "image"}));
        const auto value = [&](int index, const char* key) {
            return items.at(index).toObject().value("record").toObject().value(QLatin1String(key)).toString();
        };
        QCOMPARE(QStringList({value(0, "fill color"), value(1, "start location"), value(1, "width"), value(2, "path")}),
                 QStringList({"200 30 30", "100 100", "50", "logo.png"}));

        // Bare text without the header lines has no version.
        const QString bare = m_folder->text(QStringLiteral("bare.txt"), {screenBlock(), rectBlock()}, false);
        const QJsonObject bareRoot = QJsonDocument::fromJson(m_folder->run({"info", bare, "--json"}).output).object();
        QVERIFY(bareRoot.contains(QStringLiteral("version")) && bareRoot.value(QStringLiteral("version")).isNull());
        const QStringList lines = m_folder->run({QStringLiteral("info"), bare}).outputLines();
        QCOMPARE(lines.mid(0, 2), (QStringList{"version: none", "item 1: screen"}));
        QVERIFY(lines.indexOf(QStringLiteral("item 2: rect")) > 2 && lines.contains(QStringLiteral("  pen width:1")));
    }

    void resaveKeepsTheTextEntryByteForByte()
    {
        const QString package = m_folder->package(QStringLiteral("page.ktf"),
                                                  {block(QStringLiteral("type:form_text_box\ncustom id:first")),
                                                   block(QStringLiteral("type:form_text_box\ncustom id:second"))});
        const Run run = m_folder->run({QStringLiteral("resave"), package, QStringLiteral("copy.ktf")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.errorLines().isEmpty());
        QCOMPARE(run.leftovers, QStringList());
        const QByteArray original = m_folder->entry(package, package);
        QVERIFY(original.startsWith("Template file versoin 1.0\nkvx file version 11005\nitem begin\n"));
        QCOMPARE(m_folder->entry(QStringLiteral("copy.ktf"), QStringLiteral("copy.ktf")), original);
        QCOMPARE(m_folder->entry(QStringLiteral("copy.ktf"), QStringLiteral("logo.png")),
                 m_folder->entry(package, QStringLiteral("logo.png")));
        // The copy validates silently, and preview writes the preview packed in it.
        const Run validate = m_folder->run({QStringLiteral("validate"), QStringLiteral("copy.ktf")});
        QVERIFY(validate.status == 0 && validate.output.isEmpty() && validate.errorLines().isEmpty());
        QCOMPARE(m_folder->run({QStringLiteral("preview"), QStringLiteral("copy.ktf"), QStringLiteral("p.png")}).status, 0);
        const QImage written = QImage(m_folder->path(QStringLiteral("p.png"))).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(written.size(), QSize(130, 130));
        const QByteArray packed = m_folder->entry(QStringLiteral("copy.ktf"), QStringLiteral("_preview.png"));
        QCOMPARE(written, QImage::fromData(packed, "PNG").convertToFormat(QImage::Format_ARGB32));

        // Bare text comes out as a package with the header lines.
        const QString bare = m_folder->text(QStringLiteral("bare.txt"), {screenBlock(), rectBlock()}, false);
        QCOMPARE(m_folder->run({QStringLiteral("resave"), bare, QStringLiteral("copy.ktf")}).status, 0);
        const QByteArray entry = m_folder->entry(QStringLiteral("copy.ktf"), QStringLiteral("copy.ktf"));
        QVERIFY(entry.startsWith("Template file versoin 1.0\nkvx file version 11005\n"));
        QVERIFY(entry.contains("\ntype:rect\n") && entry.endsWith("item end\n"));
    }

    void renderDrawsThePageTimesTheScale_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("scaleArguments");
        QTest::addColumn<double>("scale");
        QTest::newRow("picture") << "page.png" << QStringList{} << 1.0;
        QTest::newRow("picture, half written joined") << "page.png" << QStringList{"--scale=0.5"} << 0.5;
        QTest::newRow("PDF") << "page.PDF" << QStringList{} << 1.0;
        QTest::newRow("PDF, double") << "page.pdf" << QStringList{"--scale", "2"} << 2.0;
    }

    void renderDrawsThePageTimesTheScale()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, scaleArguments);
        QFETCH(double, scale);
        // The grid is never drawn, whatever the designer last showed, and its setting stays.
        for (const char* key : {"Designer/isGridShown", "Designer/SnappingCheckBox"})
            toolSettings()->setValue(QLatin1String(key), true);
        toolSettings()->setValue(QStringLiteral("Designer/GridSize"), 10);
        const QString page = m_folder->text(QStringLiteral("page.ktf"), {screenBlock(), rectBlock()});
        const Run run = m_folder->run(QStringList{"render", page, target} + scaleArguments);
        QCOMPARE(run.status, 0);
        QVERIFY(run.errorLines().isEmpty());
        QCOMPARE(toolSettings()->value(QStringLiteral("Designer/isGridShown")).toBool(), true);
        QFile file(m_folder->path(target));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (target.endsWith(QLatin1String("png"))) {
            const QImage picture = QImage::fromData(bytes, "PNG");
            QCOMPARE(picture.size(), QSize(qRound(400 * scale), qRound(300 * scale)));
            const auto at = [&](double x, double y) { return picture.pixelColor(qRound(x * scale), qRound(y * scale)); };
            const auto notPage = [](const QColor& colour) { return colour != pageRed; };
            QCOMPARE(pixelsWhere(picture, QRect(0, 0, picture.width(), qRound(90 * scale)), notPage), 0);
            QCOMPARE(at(390, 290), pageRed);
            QCOMPARE(at(125, 120), QColor(0, 0, 255));
            QCOMPARE(at(170, 120), pageRed);
        } else {
            QVERIFY(bytes.startsWith("%PDF-"));
            QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);
            const int box = bytes.indexOf("/MediaBox [") + 11;
            const QList<QByteArray> numbers = bytes.mid(box, bytes.indexOf(']', box) - box).simplified().split(' ');
            QCOMPARE(QSizeF(numbers.value(2).toDouble(), numbers.value(3).toDouble()), QSizeF(400 * scale, 300 * scale));
        }
    }

    void renderTakesPicturesAndTextsFromADictionaryFileForOneRun()
    {
        const QString green = m_folder->path(QStringLiteral("green.png"));
        const QString dictionary = m_folder->path(QStringLiteral("names.df"));
        QVERIFY(KorvexTestFiles::writePng(green, QSize(30, 30), Qt::green));
        QVERIFY(KorvexTestFiles::writeFile(dictionary, "Customer\nMMMMMMMMMMMM\nLogo\n" + green.toUtf8() + "\n"));
        const QString source = m_folder->text(
            QStringLiteral("source.ktf"),
            {screenBlock(), rectBlock(), imageBlock(QStringLiteral("image source type:dictionary\ndictionary key:Logo")),
             block(QStringLiteral("type:label\nstart location:20 200\nzvalue:3\nwidth:300\nheight:60\nfill color:255 255 "
                                  "255 255\ntext source type:dictionary\ndictionary key:Customer"))});
        QCOMPARE(m_folder->run({"render", source, "with.png", "--dictionary", dictionary}).status, 0);
        QCOMPARE(m_folder->run({"render", source, "without.png"}).status, 0);
        const QImage with(m_folder->path(QStringLiteral("with.png")));
        const QImage without(m_folder->path(QStringLiteral("without.png")));
        QCOMPARE(with.pixelColor(230, 80), QColor(Qt::green));
        QVERIFY(without.pixelColor(230, 80) != QColor(Qt::green));
        // The label fits its height to the text; long text in near-black letters.
        const QRect label(20, 200, 300, 20);
        const auto dark = [](const QColor& colour) { return colour.value() < 100; };
        QVERIFY(pixelsWhere(with, label, dark) > pixelsWhere(without, label, dark) + 50);
        // The run's dictionary never reached the stored one.
        QCOMPARE(toolSettings()->allKeys().filter("DrolvanDictionary/").join(' ').remove("DrolvanDictionary/"),
                 QStringLiteral("Author Subject Title"));
    }

    void thumbnailIsThePackedPreviewElseADrawing_data()
    {
        QTest::addColumn<QString>("file"); // a package, bare text, a damaged package
        QTest::addColumn<int>("size");
        QTest::newRow("package") << "page.ktf" << 64;
        QTest::newRow("bare text") << "bare.ktf" << 200;
        QTest::newRow("damaged") << "cut.ktf" << 128;
    }

    void thumbnailIsThePackedPreviewElseADrawing()
    {
        QFETCH(QString, file);
        QFETCH(int, size);
        const QString package = m_folder->package(QStringLiteral("page.ktf"));
        QImage expected = QImage::fromData(m_folder->entry(package, QStringLiteral("_preview.png")))
                              .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_folder->text(QStringLiteral("bare.ktf"), {screenBlock(), rectBlock()});
        m_folder->run({"render", "bare.ktf", "drawn.png", "--scale", QString::number(size / 400.0)});
        KorvexTestFiles::writeFile(m_folder->path(QStringLiteral("cut.ktf")), "PK\x03\x04 cut short");
        if (file != QLatin1String("page.ktf"))
            expected = file == QLatin1String("bare.ktf") ? QImage(m_folder->path(QStringLiteral("drawn.png"))) : QImage();
        const Run run = m_folder->run({"thumbnail", file, "thumb.png", "--size", QString::number(size)});
        QCOMPARE(run.errorLines(), expected.isNull() ? QStringList{"error: cut.ktf: the package is damaged"} : QStringList());
        QCOMPARE(run.status, expected.isNull() ? 1 : 0);
        QCOMPARE(QImage(m_folder->path("thumb.png")).convertToFormat(QImage::Format_ARGB32),
                 expected.convertToFormat(QImage::Format_ARGB32));
    }

    void installPutsTheProgramsAndDesktopFilesUnderAPrefix()
    {
        const auto run = [](const QString& program, const QStringList& arguments) {
            QProcess process;
            process.start(program, arguments);
            return process.waitForFinished(120000) ? process.exitCode() : -1;
        };
        const QString prefix = m_folder->path(QStringLiteral("prefix/"));
        QCOMPARE(run(QStringLiteral(KORVEX_CMAKE), {"--install", KORVEX_BUILD_DIR, "--prefix", prefix}), 0);
        QStringList expected{"bin/korvex-designer", "bin/korvex-template", "share/applications/korvex-designer.desktop",
                             "share/korvex-designer/languages/English_KorvexDesigner.qm",
                             "share/mime/packages/korvex-template.xml", "share/thumbnailers/korvex-template.thumbnailer"};
        for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
            expected << QStringLiteral("share/icons/hicolor/%1x%1/apps/korvex-designer.png").arg(side);
        QStringList files;
        for (QDirIterator it(prefix, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << it.next().remove(prefix);
        files.sort();
        expected.sort();
        QCOMPARE(files, expected);
        QCOMPARE(run(QStringLiteral("desktop-file-validate"), {prefix + expected.at(2)}), 0);
        QCOMPARE(run(QStringLiteral("update-mime-database"), {prefix + "share/mime"}), 0);
        QFile entry(prefix + expected.last());
        QVERIFY(entry.open(QIODevice::ReadOnly)
                && entry.readAll().contains("\nExec=" + prefix.toUtf8() + "bin/korvex-template thumbnail %i %o --size %s\n"));
    }

    void valueTextsAreJudgedByTheKeysKind_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        const QString number = QStringLiteral("is not a number");
        const QString point = QStringLiteral("is not two numbers");
        const QString colour = QStringLiteral("is not 3 or 4 colour components from 0 to 255");
        const QString gradient = QStringLiteral("is not a gradient of whole stops");
        const QString boolean = QStringLiteral("is not true or false");
        const QString word = QStringLiteral("is not one of its words");
        QTest::newRow("real") << "width" << "12.5" << "";
        QTest::newRow("real exponent") << "height" << "1.23457e+06" << "";
        QTest::newRow("real comma") << "width" << "12,5" << number;
        QTest::newRow("real empty") << "pen width" << "" << number;
        QTest::newRow("real nan") << "width" << "nan" << number;
        QTest::newRow("integer") << "zvalue" << "-3" << "";
        QTest::newRow("integer real") << "dpi" << "72.0" << "is not a whole number";
        QTest::newRow("point") << "start location" << "0 -2.5" << "";
        QTest::newRow("point two blanks") << "end location" << "0  2" << point;
        QTest::newRow("point three parts") << "start location" << "1 2 3" << point;
        QTest::newRow("colour three") << "pen color" << "0 0 0" << "";
        QTest::newRow("colour four") << "fill color" << "255 255 255 0" << "";
        QTest::newRow("colour two") << "pen color" << "1 2" << colour;
        QTest::newRow("colour five") << "fill color" << "1 2 3 4 5" << colour;
        QTest::newRow("colour negative") << "fill color" << "-1 2 3" << colour;
        QTest::newRow("colour 256") << "fill color" << "256 0 0" << colour;
        QTest::newRow("gradient") << "fill color gradient" << "0 0 1 0 0 0 0 0 1 255 255 255" << "";
        QTest::newRow("gradient bare") << "fill color gradient" << "0 0 1 0" << "";
        QTest::newRow("gradient cut stop") << "fill color gradient" << "0 0 1 0 0.5 1 2" << gradient;
        QTest::newRow("gradient colour range") << "fill color gradient" << "0 0 1 0 0.5 1 2 300" << gradient;
        QTest::newRow("boolean TRUE") << "is image mode" << "TRUE" << "";
        QTest::newRow("boolean 0") << "is gradient mode" << "0" << "";
        QTest::newRow("boolean yes") << "is image mode" << "yes" << boolean;
        QTest::newRow("image source") << "image source type" << "scene state" << "";
        QTest::newRow("image source case") << "image source type" << "File" << word;
        QTest::newRow("scene state type") << "scene state type" << "index" << "";
        QTest::newRow("text source") << "text source type" << "text editor" << "";
        QTest::newRow("3d mode") << "3d mode" << "Single Color" << "";
        QTest::newRow("3d mode lower") << "3d mode" << "single color" << word;
        QTest::newRow("free text") << "custom id" << "any: thing" << "";
        QTest::newRow("multi-line") << "text" << "a<korvex_newline>b" << "";
        QTest::newRow("font list") << "font list text" << "@@" << "";
        QTest::newRow("unknown key") << "colour" << "junk" << "";
    }

    void valueTextsAreJudgedByTheKeysKind()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        QCOMPARE(CKorvexValueCheck::problemOf(key, text), problem);
    }
    // Each problem as validate reports it; the value rules themselves are in the table above.
    void validateWarnsOnceForEachProblem_data()
    {
        QTest::addColumn<QStringList>("blocks");
        QTest::addColumn<QString>("warning"); // after "warning: item "
        const QString rect = QStringLiteral("type:rect\nwidth:10\nheight:10\n");
        QTest::newRow("unknown key") << QStringList{block(rect + "hue:1")} << "2 (rect): unknown key \"hue\" is dropped";
        QTest::newRow("line without colon") << QStringList{block(rect + "wide")}
                                            << "2 (rect): line \"wide\" is not a key and a value";
        QTest::newRow("bad value") << QStringList{block("type:rect\nheight:10\nwidth:1O")}
                                   << "2 (rect): value \"1O\" of \"width\" is not a number";
        QTest::newRow("repeated key") << QStringList{block(rect + "width:20")}
                                      << "2 (rect): key \"width\" is given again; the last value is used";
        QTest::newRow("missing image") << QStringList{block("type:image\npath:/no/such/logo.png")}
                                       << "2 (image): image file \"/no/such/logo.png\" is missing";
        QTest::newRow("label key") << QStringList{block("type:text\ntext source type:dictionary\ndictionary key:Client")}
                                   << "2 (text): dictionary key \"Client\" is not in the dictionary";
        QTest::newRow("image key") << QStringList{block("type:image\nimage source type:dictionary\ndictionary key:Logo")}
                                   << "2 (image): dictionary key \"Logo\" is not in the dictionary";
        QTest::newRow("no key") << QStringList{block("type:label\ntext source type:dictionary")}
                                << "2 (label): takes its value from the dictionary but names no key";
        QTest::newRow("action") << QStringList{block("type:link\naction:nonsense")}
                                << "2 (link): action text does not read with version 11005";
        QTest::newRow("second 3D area")
            << QStringList{block("type:3d area\nwidth:50\nheight:50"), block("type:3d area\nwidth:60\nheight:60")}
            << "3 (3d area): a second 3D area is dropped when read (item 2 is kept)";
        QTest::newRow("repeated name") << QStringList{block("type:form_text_box\ncustom id:name"), block("type:rect"),
                                                      block("type:form_text_box\ncustom id:name")}
                                       << "4 (form_text_box): form text box name \"name\" repeats that of item 2";
    }

    void validateWarnsOnceForEachProblem()
    {
        QFETCH(QStringList, blocks);
        QFETCH(QString, warning);
        const QString page = m_folder->text(QStringLiteral("page.ktf"), QStringList{screenBlock()} + blocks);
        const Run run = m_folder->run({QStringLiteral("validate"), page});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.outputLines(), QStringList{"warning: item " + warning});
        QVERIFY(run.errorLines().isEmpty());
    }

    void validateFindsDictionaryKeysAndPictures()
    {
        // The stored dictionary is consulted ignoring case; a picture is found next to the text by its name.
        toolSettings()->setValue(QStringLiteral("DrolvanDictionaryFlag/IsFirstTime"), 0);
        toolSettings()->setValue(QStringLiteral("DrolvanDictionary/Client"), QStringLiteral("ACME"));
        const QString picture = m_folder->path(QStringLiteral("logo.png"));
        QVERIFY(KorvexTestFiles::writePng(picture));
        const QString stored = m_folder->text(
            QStringLiteral("stored.ktf"),
            {screenBlock(), block(QStringLiteral("type:label\ntext source type:dictionary\ndictionary key:CLIENT")),
             block(QStringLiteral("type:image\npath:/elsewhere/logo.png"))});
        const Run run = m_folder->run({QStringLiteral("validate"), stored});
        QVERIFY(run.status == 0 && run.output.isEmpty());

        // A dictionary file supplies keys for one run only, and its pictures must be there.
        toolSettings()->clear();
        const QString text = m_folder->text(
            QStringLiteral("page.ktf"),
            {screenBlock(), block(QStringLiteral("type:label\ntext source type:dictionary\ndictionary key:client")),
             block(QStringLiteral("type:image\nimage source type:dictionary\ndictionary key:Logo"))});
        const QString dictionary = m_folder->path(QStringLiteral("names.df"));
        QVERIFY(KorvexTestFiles::writeFile(dictionary, "Client\nACME\nLogo\n" + picture.toUtf8() + "\n"));
        const Run found = m_folder->run({QStringLiteral("validate"), text, QStringLiteral("--dictionary"), dictionary});
        QVERIFY(found.status == 0 && found.output.isEmpty());
        QVERIFY(KorvexTestFiles::writeFile(dictionary, "Client\nACME\nLogo\n/no/such/logo.png\n"));
        const Run missing = m_folder->run({QStringLiteral("validate"), text, QStringLiteral("--dictionary"), dictionary});
        QCOMPARE(missing.status, 2);
        QCOMPARE(missing.outputLines(),
                 QStringList{"warning: item 3 (image): image file \"/no/such/logo.png\" of dictionary key \"Logo\" "
                             "is missing"});
        QVERIFY(!toolSettings()->contains(QStringLiteral("DrolvanDictionary/Client")));
    }

    void validateListsWhatItCanOfAnUnreadableTemplate()
    {
        const QString text = m_folder->text(
            QStringLiteral("page.ktf"),
            {screenBlock(), block(QStringLiteral("type:rect\ncolour:1")), block(QStringLiteral("type:hexagon"))});
        const Run run = m_folder->run({QStringLiteral("validate"), text});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.outputLines(), QStringList{"warning: item 2 (rect): unknown key \"colour\" is dropped"});
        QCOMPARE(run.errorLines(), QStringList{"error: page.ktf: item 3 has the unknown type \"hexagon\""});
    }

private:
    std::unique_ptr<Folder> m_folder;
};

KORVEX_TEST_MAIN(TestTemplateTool)
#include "tst_templatetool.moc"
