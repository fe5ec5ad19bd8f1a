#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "app/CKorvexCommandLine.h"
#include "app/CKorvexStartup.h"
#include "app/DesignerMainWindow.h"
#include "scene/CKorvexDesignerScene.h"
#include "services/CKorvexLanguageService.h"
#include "services/CKorvexProductInfo.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstRunDefaults();
    void settingsRoundTrip();
    void unreadableGeometryFallsBack();
    void closingWritesSettings();
    void languagesDirectoryFromContentDirectory_data();
    void languagesDirectoryFromContentDirectory();
    void commandLinePathBecomesOpenAndSavePath();
    void alwaysOnTopAddsHint();
    void previewImageLoadsOnlyReadableFiles();
    void languageMenuListsFoundLanguages();
    void choosingLanguageStoresItAndWarns();
};

void TestStartup::init()
{
    KorvexTestEnvironment::clearSettings();
}

void TestStartup::firstRunDefaults()
{
    DesignerMainWindow window;
    window.readSettings();
    QCOMPARE(window.geometry(), QRect(100, 100, 800, 800));
    QCOMPARE(window.openPath(), QString());
    QCOMPARE(window.savePath(), QString());
    QCOMPARE(window.packageSavePath(), QString());
}

void TestStartup::settingsRoundTrip()
{
    {
        auto settings = CKorvexProductInfo::openSettings();
        settings->setValue(QStringLiteral("Designer/openpath"), QStringLiteral("/a/open"));
        settings->setValue(QStringLiteral("Designer/savepath"), QStringLiteral("/a/save.ktf"));
        settings->setValue(QStringLiteral("Designer/packagesavepath"), QStringLiteral("/a/package"));
    }
    {
        DesignerMainWindow window;
        window.readSettings();
        QCOMPARE(window.openPath(), QStringLiteral("/a/open"));
        QCOMPARE(window.savePath(), QStringLiteral("/a/save.ktf"));
        QCOMPARE(window.packageSavePath(), QStringLiteral("/a/package"));
        window.setGeometry(40, 60, 700, 650);
        window.setDocumentPaths(QStringLiteral("/b/new.ktf"));
        window.writeSettings();
    }
    auto settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(QStringLiteral("Designer"));
    QCOMPARE(settings->value(QStringLiteral("openpath")).toString(), QStringLiteral("/b/new.ktf"));
    QCOMPARE(settings->value(QStringLiteral("savepath")).toString(), QStringLiteral("/b/new.ktf"));
    QCOMPARE(settings->value(QStringLiteral("packagesavepath")).toString(), QStringLiteral("/a/package"));
    QVERIFY(!settings->value(QStringLiteral("geometry")).toByteArray().isEmpty());
    QVERIFY(!settings->contains(QStringLiteral("isGridShown")));

    DesignerMainWindow again;
    again.readSettings();
    QCOMPARE(again.size(), QSize(700, 650));
}

void TestStartup::unreadableGeometryFallsBack()
{
    CKorvexProductInfo::openSettings()->setValue(QStringLiteral("Designer/geometry"), QByteArray("garbage"));
    DesignerMainWindow window;
    window.readSettings();
    QCOMPARE(window.geometry(), QRect(100, 100, 800, 800));
}

void TestStartup::closingWritesSettings()
{
    DesignerMainWindow window;
    window.setDocumentPaths(QStringLiteral("/c/page.ktf"));
    window.show();
    window.ui().actionExit->trigger();
    QVERIFY(!window.isVisible());
    auto settings = CKorvexProductInfo::openSettings();
    QCOMPARE(settings->value(QStringLiteral("Designer/openpath")).toString(), QStringLiteral("/c/page.ktf"));
    QVERIFY(settings->contains(QStringLiteral("Designer/geometry")));
}

void TestStartup::languagesDirectoryFromContentDirectory_data()
{
    QTest::addColumn<QVariant>("content");
    QTest::addColumn<QString>("directory");
    QTest::newRow("missing") << QVariant() << "/languages";
    QTest::newRow("set") << QVariant(QStringLiteral("/opt/korvex")) << "/opt/korvex/languages";
}

void TestStartup::languagesDirectoryFromContentDirectory()
{
    QFETCH(QVariant, content);
    QFETCH(QString, directory);
    if (content.isValid())
        CKorvexProductInfo::openSettings()->setValue(QStringLiteral("ContentDirectory"), content);
    QCOMPARE(CKorvexStartup::languagesDirectory(), directory);
}

void TestStartup::commandLinePathBecomesOpenAndSavePath()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("later.ktf"));
    DesignerMainWindow window;
    window.readSettings();
    CKorvexStartup::applyCommandLine(window, CKorvexCommandLine::evaluate({QStringLiteral("designer"), path}));
    QVERIFY(window.isVisible());
    QCOMPARE(window.openPath(), path);
    QCOMPARE(window.savePath(), path);
    QCOMPARE(window.currentFile(), QString());
    QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
}

void TestStartup::alwaysOnTopAddsHint()
{
    DesignerMainWindow window;
    window.setWindowFlag(Qt::WindowContextHelpButtonHint);
    CKorvexStartup::applyCommandLine(window,
                                     CKorvexCommandLine::evaluate({QStringLiteral("designer"), QStringLiteral("-AlwaysOnTop")}));
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(window.windowFlags() & Qt::WindowContextHelpButtonHint);
    QCOMPARE(window.openPath(), QString());
}

void TestStartup::previewImageLoadsOnlyReadableFiles()
{
    QTemporaryDir folder;
    const QString bad = folder.filePath(QStringLiteral("bad.png"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    CKorvexDesignerScene scene;
    CKorvexStartup::loadPreviewImage(scene, bad);
    QVERIFY(scene.context().preview3DImage().isNull());

    // The format comes from the content, whatever the name says.
    const QString good = folder.filePath(QStringLiteral("preview.dat"));
    QImage picture(7, 5, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(good, "PNG"));
    DesignerMainWindow window;
    CKorvexStartup::applyCommandLine(window, CKorvexCommandLine::evaluate({QStringLiteral("designer"),
                                                                            QStringLiteral("-annot3DPreviewImage"),
                                                                            QStringLiteral(" ") + good + " "}));
    QCOMPARE(window.scene()->context().preview3DImage().size(), QSize(7, 5));
}

void TestStartup::languageMenuListsFoundLanguages()
{
    QTemporaryDir folder;
    for (const char* name : {"English_Designer.qm", "German_Designer.qm", "readme.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    CKorvexLanguageService::instance().setLanguagesDirectory(folder.path());
    CKorvexLanguageService::instance().switchLanguage(QStringLiteral("German"));
    DesignerMainWindow window;
    const auto& actions = window.ui().languageActions;
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("English"));
    QCOMPARE(actions.at(1)->text(), QStringLiteral("German"));
    QVERIFY(!actions.at(0)->isChecked());
    QVERIFY(actions.at(1)->isChecked());
    QVERIFY(window.ui().languageGroup->isExclusive());
    QCOMPARE(window.ui().menuLanguage->actions(), actions);
}

void TestStartup::choosingLanguageStoresItAndWarns()
{
    QTemporaryDir folder;
    for (const char* name : {"English_Designer.qm", "German_Designer.qm"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    CKorvexLanguageService& service = CKorvexLanguageService::instance();
    service.setLanguagesDirectory(folder.path());
    service.switchLanguage(QStringLiteral("English"));
    DesignerMainWindow window;
    KorvexScriptedPrompt prompt;
    window.ui().languageActions.at(1)->trigger();
    QCOMPARE(prompt.messages().size(), 1);
    QCOMPARE(prompt.messages().first().icon, QMessageBox::Warning);
    QCOMPARE(prompt.messages().first().title, QStringLiteral("Language"));
    QCOMPARE(prompt.messages().first().text,
             QStringLiteral("Language change will be applied next time the designer runs."));
    QCOMPARE(CKorvexLanguageService::chosenLanguage(), QStringLiteral("German"));
    QCOMPARE(service.currentLanguage(), QStringLiteral("English"));
    QVERIFY(!window.ui().languageActions.at(0)->isChecked());
    QCOMPARE(window.windowTitle(), QStringLiteral("Korvex Template Designer - New Template"));
}

KORVEX_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
