#include "KorvexTestMain.h"
#include "KorvexToolFixtures.h"
#include "KorvexToolRun.h"

#include <QTemporaryDir>

using namespace KorvexToolFixtures;

namespace {

QString block(const QString& lines)
{
    return QStringLiteral("item begin\n") + lines + QStringLiteral("\nitem end");
}

} // namespace

class TestTemplateValidate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanPackageIsSilent();
    void eachProblemIsOneWarning_data();
    void eachProblemIsOneWarning();
    void dictionaryFileSuppliesTheMissingKeys();
    void storedDictionaryIsConsulted();
    void imageNextToABareTextIsFound();
    void unreadableTemplateListsWhatItCanAndFails();

private:
    QString path(const QString& name) const { return m_folder->filePath(name); }
    QStringList warningsOf(const KorvexToolRun& run) const;

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestTemplateValidate::init()
{
    KorvexToolRun::clearToolSettings();
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

QStringList TestTemplateValidate::warningsOf(const KorvexToolRun& run) const
{
    return QString::fromUtf8(run.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestTemplateValidate::cleanPackageIsSilent()
{
    const QString picture = writePicture(path(QStringLiteral("logo.png")), Qt::green);
    const QString text = writeText(path(QStringLiteral("source.txt")),
                                   {screenBlock(), rectBlock(), imageBlock(picture),
                                    block(QStringLiteral("type:form_text_box\ncustom id:first")),
                                    block(QStringLiteral("type:form_text_box\ncustom id:second"))});
    const QString package = path(QStringLiteral("page.ktf"));
    QVERIFY(savePackage(text, package));
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("validate"), package});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.output, QByteArray());
    QVERIFY(run.errorLines().isEmpty());
}

void TestTemplateValidate::eachProblemIsOneWarning_data()
{
    QTest::addColumn<QStringList>("blocks");
    QTest::addColumn<QString>("warning");
    const QString rect = QStringLiteral("type:rect\nwidth:10\nheight:10\n");
    QTest::newRow("unknown key") << QStringList{block(rect + "colour:1 2 3")}
                                 << "warning: item 2 (rect): unknown key \"colour\" is dropped";
    QTest::newRow("line without colon") << QStringList{block(rect + "wide")}
                                        << "warning: item 2 (rect): line \"wide\" is not a key and a value";
    QTest::newRow("real") << QStringList{block("type:rect\nheight:10\nwidth:1O")}
                          << "warning: item 2 (rect): value \"1O\" of \"width\" is not a number";
    QTest::newRow("point") << QStringList{block(rect + "start location:1 2 3")}
                           << "value \"1 2 3\" of \"start location\" is not two numbers";
    QTest::newRow("integer") << QStringList{block(rect + "zvalue:2.5")}
                             << "value \"2.5\" of \"zvalue\" is not a whole number";
    QTest::newRow("colour range") << QStringList{block(rect + "fill color:256 0 0")}
                                  << "value \"256 0 0\" of \"fill color\" is not 3 or 4 colour components";
    QTest::newRow("colour parts") << QStringList{block(rect + "pen color:1 2")} << "of \"pen color\" is not 3 or 4";
    QTest::newRow("gradient") << QStringList{block(rect + "fill color gradient:0 0 1 0 0.5 255")}
                              << "of \"fill color gradient\" is not a gradient";
    QTest::newRow("boolean") << QStringList{block(rect + "is gradient mode:yes")}
                             << "value \"yes\" of \"is gradient mode\" is not true or false";
    QTest::newRow("word") << QStringList{block("type:image\nimage source type:camera")}
                          << "value \"camera\" of \"image source type\" is not one of its words";
    QTest::newRow("repeated key") << QStringList{block(rect + "width:20")}
                                  << "key \"width\" is given again; the last value is used";
    QTest::newRow("missing image") << QStringList{block("type:image\npath:/no/such/logo.png")}
                                   << "warning: item 2 (image): image file \"/no/such/logo.png\" is missing";
    QTest::newRow("label key") << QStringList{block("type:text\ntext source type:dictionary\ndictionary key:Client")}
                               << "warning: item 2 (text): dictionary key \"Client\" is not in the dictionary";
    QTest::newRow("image key") << QStringList{block("type:image\nimage source type:dictionary\ndictionary key:Logo")}
                               << "warning: item 2 (image): dictionary key \"Logo\" is not in the dictionary";
    QTest::newRow("no key") << QStringList{block("type:label\ntext source type:dictionary")}
                            << "takes its value from the dictionary but names no key";
    QTest::newRow("action") << QStringList{block("type:link\naction:nonsense")}
                            << "warning: item 2 (link): action text does not read with version 11005";
    QTest::newRow("second 3D area")
        << QStringList{block("type:3d area\nwidth:50\nheight:50"), block("type:3d area\nwidth:60\nheight:60")}
        << "warning: item 3 (3d area): a second 3D area is dropped when read (item 2 is kept)";
    QTest::newRow("repeated name")
        << QStringList{block("type:form_text_box\ncustom id:name"), block("type:rect"),
                       block("type:form_text_box\ncustom id:name")}
        << "warning: item 4 (form_text_box): form text box name \"name\" repeats that of item 2";
}

void TestTemplateValidate::eachProblemIsOneWarning()
{
    QFETCH(QStringList, blocks);
    QFETCH(QString, warning);
    const QString text = writeText(path(QStringLiteral("page.ktf")), QStringList{screenBlock()} + blocks);
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("validate"), text});
    QCOMPARE(run.status, 2);
    const QStringList warnings = warningsOf(run);
    QVERIFY2(warnings.size() == 1, run.output.constData());
    QVERIFY2(warnings.first().startsWith(QStringLiteral("warning: item ")), run.output.constData());
    QVERIFY2(warnings.first().contains(warning), run.output.constData());
    QVERIFY(run.errorLines().isEmpty());
}

void TestTemplateValidate::dictionaryFileSuppliesTheMissingKeys()
{
    const QString picture = writePicture(path(QStringLiteral("logo.png")), Qt::green);
    const QString text = writeText(
        path(QStringLiteral("page.ktf")),
        {screenBlock(), block(QStringLiteral("type:label\ntext source type:dictionary\ndictionary key:client")),
         block(QStringLiteral("type:image\nimage source type:dictionary\ndictionary key:Logo"))});
    QCOMPARE(KorvexToolRun::of({QStringLiteral("validate"), text}).status, 2);

    const QString dictionary = writeFile(path(QStringLiteral("names.df")),
                                         "Client\nACME\nLogo\n" + picture.toUtf8() + "\n");
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("validate"), text, QStringLiteral("--dictionary"), dictionary});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.output, QByteArray());

    const QString gone = writeFile(path(QStringLiteral("gone.df")), "Client\nACME\nLogo\n/no/such/logo.png\n");
    const KorvexToolRun missing = KorvexToolRun::of({QStringLiteral("validate"), text, QStringLiteral("--dictionary"), gone});
    QCOMPARE(missing.status, 2);
    QCOMPARE(warningsOf(missing),
             QStringList{"warning: item 3 (image): image file \"/no/such/logo.png\" of dictionary key \"Logo\" is missing"});
    QVERIFY(!KorvexToolRun::toolSettings()->contains(QStringLiteral("DrolvanDictionary/Client")));
}

void TestTemplateValidate::storedDictionaryIsConsulted()
{
    {
        const auto settings = KorvexToolRun::toolSettings();
        settings->setValue(QStringLiteral("DrolvanDictionaryFlag/IsFirstTime"), 0);
        settings->setValue(QStringLiteral("DrolvanDictionary/Client"), QStringLiteral("ACME"));
    }
    const QString text = writeText(
        path(QStringLiteral("page.ktf")),
        {screenBlock(), block(QStringLiteral("type:label\ntext source type:dictionary\ndictionary key:CLIENT"))});
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("validate"), text});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.output, QByteArray());
}

void TestTemplateValidate::imageNextToABareTextIsFound()
{
    writePicture(path(QStringLiteral("logo.png")), Qt::green);
    const QString text = writeText(path(QStringLiteral("page.ktf")),
                                   {screenBlock(), block(QStringLiteral("type:image\npath:/elsewhere/logo.png"))});
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("validate"), text});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.output, QByteArray());
}

void TestTemplateValidate::unreadableTemplateListsWhatItCanAndFails()
{
    const QString text = writeText(path(QStringLiteral("page.ktf")),
                                   {screenBlock(), block(QStringLiteral("type:rect\ncolour:1")),
                                    block(QStringLiteral("type:hexagon"))});
    const KorvexToolRun run = KorvexToolRun::of({QStringLiteral("validate"), text});
    QCOMPARE(run.status, 1);
    QCOMPARE(warningsOf(run), QStringList{"warning: item 2 (rect): unknown key \"colour\" is dropped"});
    QCOMPARE(run.errorLines(),
             QStringList{"error: " + text + ": item 3 has the unknown type \"hexagon\""});
    const KorvexToolRun missing = KorvexToolRun::of({QStringLiteral("validate"), path(QStringLiteral("none.ktf"))});
    QCOMPARE(missing.status, 1);
    QCOMPARE(missing.errorLines(), QStringList{"error: " + path(QStringLiteral("none.ktf")) + ": no such file"});
}

KORVEX_TEST_MAIN(TestTemplateValidate)
#include "tst_templatevalidate.moc"
