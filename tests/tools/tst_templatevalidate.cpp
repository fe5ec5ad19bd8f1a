#include "KorvexTestMain.h"
#include "KorvexToolFixtures.h"

using namespace KorvexToolFixtures;

class TestTemplateValidate : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        clearToolSettings();
        m_folder = std::make_unique<Folder>();
    }

    void cleanPackageIsSilent()
    {
        const QString package = m_folder->package(QStringLiteral("page.ktf"),
                                                  {block(QStringLiteral("type:form_text_box\ncustom id:first")),
                                                   block(QStringLiteral("type:form_text_box\ncustom id:second"))});
        const Run run = runTool({QStringLiteral("validate"), package});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output, QByteArray());
        QVERIFY(run.errorLines().isEmpty());
    }

    // The value rules themselves are tst_valuecheck's; here one of them shows the line's form.
    void eachProblemIsOneWarning_data()
    {
        QTest::addColumn<QStringList>("blocks");
        QTest::addColumn<QString>("warning");
        const QString rect = QStringLiteral("type:rect\nwidth:10\nheight:10\n");
        QTest::newRow("unknown key") << QStringList{block(rect + "colour:1 2 3")}
                                     << "warning: item 2 (rect): unknown key \"colour\" is dropped";
        QTest::newRow("line without colon") << QStringList{block(rect + "wide")}
                                            << "warning: item 2 (rect): line \"wide\" is not a key and a value";
        QTest::newRow("bad value") << QStringList{block("type:rect\nheight:10\nwidth:1O")}
                                   << "warning: item 2 (rect): value \"1O\" of \"width\" is not a number";
        QTest::newRow("repeated key") << QStringList{block(rect + "width:20")}
                                      << "warning: item 2 (rect): key \"width\" is given again; the last value is used";
        QTest::newRow("missing image") << QStringList{block("type:image\npath:/no/such/logo.png")}
                                       << "warning: item 2 (image): image file \"/no/such/logo.png\" is missing";
        QTest::newRow("label key") << QStringList{block("type:text\ntext source type:dictionary\ndictionary key:Client")}
                                   << "warning: item 2 (text): dictionary key \"Client\" is not in the dictionary";
        QTest::newRow("image key") << QStringList{block("type:image\nimage source type:dictionary\ndictionary key:Logo")}
                                   << "warning: item 2 (image): dictionary key \"Logo\" is not in the dictionary";
        QTest::newRow("no key") << QStringList{block("type:label\ntext source type:dictionary")}
                                << "warning: item 2 (label): takes its value from the dictionary but names no key";
        QTest::newRow("action") << QStringList{block("type:link\naction:nonsense")}
                                << "warning: item 2 (link): action text does not read with version 11005";
        QTest::newRow("second 3D area")
            << QStringList{block("type:3d area\nwidth:50\nheight:50"), block("type:3d area\nwidth:60\nheight:60")}
            << "warning: item 3 (3d area): a second 3D area is dropped when read (item 2 is kept)";
        QTest::newRow("repeated name") << QStringList{block("type:form_text_box\ncustom id:name"), block("type:rect"),
                                                      block("type:form_text_box\ncustom id:name")}
                                       << "warning: item 4 (form_text_box): form text box name \"name\" repeats that of item 2";
    }

    void eachProblemIsOneWarning()
    {
        QFETCH(QStringList, blocks);
        QFETCH(QString, warning);
        const Run run = runTool({"validate", m_folder->text(QStringLiteral("page.ktf"), QStringList{screenBlock()} + blocks)});
        QCOMPARE(run.status, 2);
        QCOMPARE(run.outputLines(), QStringList{warning});
        QVERIFY(run.errorLines().isEmpty());
    }

    void dictionaryFileSuppliesTheMissingKeys()
    {
        const QString picture = m_folder->path(QStringLiteral("logo.png"));
        QVERIFY(KorvexTestFiles::writePng(picture));
        const QString text = m_folder->text(
            QStringLiteral("page.ktf"),
            {screenBlock(), block(QStringLiteral("type:label\ntext source type:dictionary\ndictionary key:client")),
             block(QStringLiteral("type:image\nimage source type:dictionary\ndictionary key:Logo"))});
        const QString dictionary = m_folder->path(QStringLiteral("names.df"));
        QVERIFY(KorvexTestFiles::writeFile(dictionary, "Client\nACME\nLogo\n" + picture.toUtf8() + "\n"));
        const Run run = runTool({QStringLiteral("validate"), text, QStringLiteral("--dictionary"), dictionary});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output, QByteArray());

        QVERIFY(KorvexTestFiles::writeFile(dictionary, "Client\nACME\nLogo\n/no/such/logo.png\n"));
        const Run missing = runTool({QStringLiteral("validate"), text, QStringLiteral("--dictionary"), dictionary});
        QCOMPARE(missing.status, 2);
        QCOMPARE(missing.outputLines(),
                 QStringList{"warning: item 3 (image): image file \"/no/such/logo.png\" of dictionary key \"Logo\" is missing"});
        QVERIFY(!toolSettings()->contains(QStringLiteral("DrolvanDictionary/Client")));
    }

    void storedDictionaryAndPictureNextToTheTextAreFound()
    {
        {
            const auto settings = toolSettings();
            settings->setValue(QStringLiteral("DrolvanDictionaryFlag/IsFirstTime"), 0);
            settings->setValue(QStringLiteral("DrolvanDictionary/Client"), QStringLiteral("ACME"));
        }
        QVERIFY(KorvexTestFiles::writePng(m_folder->path(QStringLiteral("logo.png"))));
        const QString text = m_folder->text(
            QStringLiteral("page.ktf"),
            {screenBlock(), block(QStringLiteral("type:label\ntext source type:dictionary\ndictionary key:CLIENT")),
             block(QStringLiteral("type:image\npath:/elsewhere/logo.png"))});
        const Run run = runTool({QStringLiteral("validate"), text});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output, QByteArray());
    }

    void unreadableTemplateListsWhatItCanAndFails()
    {
        const QString text = m_folder->text(QStringLiteral("page.ktf"), {screenBlock(), block(QStringLiteral("type:rect\ncolour:1")),
                                                                          block(QStringLiteral("type:hexagon"))});
        const Run run = runTool({QStringLiteral("validate"), text});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.outputLines(), QStringList{"warning: item 2 (rect): unknown key \"colour\" is dropped"});
        QCOMPARE(run.errorLines(), QStringList{"error: " + text + ": item 3 has the unknown type \"hexagon\""});
        const QString none = m_folder->path(QStringLiteral("none.ktf"));
        const Run missing = runTool({QStringLiteral("validate"), none});
        QCOMPARE(missing.status, 1);
        QCOMPARE(missing.errorLines(), QStringList{"error: " + none + ": no such file"});
    }

private:
    std::unique_ptr<Folder> m_folder;
};

KORVEX_TEST_MAIN(TestTemplateValidate)
#include "tst_templatevalidate.moc"
