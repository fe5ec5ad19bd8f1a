#include "KorvexScriptedPrompt.h"
#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "app/CKorvexAboutDialog.h"
#include "app/CKorvexStartup.h"
#include "app/DesignerMainWindow.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "services/CKorvexLanguageService.h"
#include "services/CKorvexProductInfo.h"

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void tools_data();
    void tools();
    void startsAsANewTemplate();
    void viewActionsFollowTheirTargets();
    void dropsOnTheWindowAreAccepted();
    void aboutShowsProductAndVersions();
    void settingsRoundTrip();
    void languageMenuStoresTheChoiceForNextRun();

private:
    QStringList checkedTools() const;
    std::unique_ptr<DesignerMainWindow> m_window;
};

void TestMainWindow::init()
{
    KorvexTestEnvironment::clearSettings();
    m_window = std::make_unique<DesignerMainWindow>();
}

QStringList TestMainWindow::checkedTools() const
{
    QStringList names;
    const auto tools = m_window->ui().toolBarActions();
    for (const QAction* tool : tools) {
        if (tool->isChecked())
            names << tool->text();
    }
    return names;
}

void TestMainWindow::tools_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("menuAction"); // the Insert menu entry
    QTest::addColumn<QString>("type");
    QTest::newRow("line") << "toolLine" << "actionLine" << "line";
    QTest::newRow("rectangle") << "toolRectangle" << "actionRectangle" << "rect";
    QTest::newRow("3d area") << "tool3DArea" << "action3D_Area" << "3d area";
    QTest::newRow("text") << "toolText" << "actionText" << "label";
    QTest::newRow("image") << "toolImage" << "actionImage" << "image";
    QTest::newRow("form text box") << "toolFormTextBox" << "actionFormTextBox" << "form_text_box";
}

void TestMainWindow::tools()
{
    QFETCH(QString, tool);
    QFETCH(QString, menuAction);
    QFETCH(QString, type);
    const CKorvexMainWindowUi& ui = m_window->ui();
    QAction* action = m_window->findChild<QAction*>(tool);
    QAction* other = action == ui.toolLine ? ui.toolRectangle : ui.toolLine;
    QWidget* viewport = m_window->view()->viewport();
    for (const QString& name : {tool, menuAction}) {
        other->trigger();
        m_window->findChild<QAction*>(name)->trigger();
        QCOMPARE(m_window->scene()->creationType(), type);
        QCOMPARE(checkedTools(), QStringList{action->text()});
        QCOMPARE(viewport->cursor().shape(), Qt::CrossCursor);
    }

    // Unchecking the last tool checks the pointer without running its slot; the pointer stays checked.
    QSignalSpy pointerToggles(ui.toolPointer, &QAction::toggled);
    action->trigger();
    QCOMPARE(pointerToggles.count(), 0);
    QCOMPARE(checkedTools(), QStringList{"Pointer"});
    QCOMPARE(m_window->scene()->creationType(), QString());
    QCOMPARE(viewport->cursor().shape(), Qt::ArrowCursor);
    ui.toolPointer->trigger();
    QCOMPARE(checkedTools(), QStringList{"Pointer"});

    action->trigger();
    m_window->scene()->resetToPointerTool();
    QCOMPARE(checkedTools(), QStringList{"Pointer"});
    QCOMPARE(m_window->scene()->creationType(), QString());
}

void TestMainWindow::startsAsANewTemplate()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Korvex Template Designer - New Template"));
    QCOMPARE(m_window->scene()->pageMenu(), m_window->pageMenu());
    QCOMPARE(m_window->scene()->itemMenu(), m_window->ui().menuEdit);
    QVERIFY(!m_window->ui().actionDictionary->isEnabled());
}

void TestMainWindow::viewActionsFollowTheirTargets()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const CKorvexMainWindowUi& ui = m_window->ui();
    ui.actionProperties->setChecked(false);
    QVERIFY(!ui.propertyDockWidget->isVisible());
    ui.actionProperties->setChecked(true);
    QVERIFY(ui.propertyDockWidget->isVisible());
    ui.propertyDockWidget->close();
    QVERIFY(!ui.actionProperties->isChecked());
    ui.propertyDockWidget->show();
    QVERIFY(ui.actionProperties->isChecked());

    ui.actionTool_bar->setChecked(false);
    QVERIFY(!ui.toolBar->isVisible());
    ui.actionTool_bar->setChecked(true);
    QVERIFY(ui.toolBar->isVisible());

    QVERIFY(!ui.actionGrid_2->isChecked());
    ui.actionGrid_2->trigger();
    QVERIFY(m_window->scene()->screen()->isGridShown());
    QVERIFY(CKorvexProductInfo::openSettings()->value(QStringLiteral("Designer/isGridShown")).toBool());
    QVERIFY(DesignerMainWindow().ui().actionGrid_2->isChecked());
    ui.actionGrid_2->trigger();
    QVERIFY(!m_window->scene()->screen()->isGridShown());
}

void TestMainWindow::dropsOnTheWindowAreAccepted()
{
    QMimeData data;
    data.setText(QStringLiteral("rect"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window.get(), &enter);
    QCoreApplication::sendEvent(m_window.get(), &drop);
    QVERIFY(enter.isAccepted() && enter.dropAction() == Qt::CopyAction && drop.isAccepted());
    QVERIFY(m_window->scene()->pageItems().isEmpty());
}

void TestMainWindow::aboutShowsProductAndVersions()
{
    KorvexScriptedPrompt prompt;
    QStringList texts;
    prompt.answerDialog([&texts](QDialog& dialog) {
        const auto labels = dialog.findChildren<QLabel*>();
        for (const QLabel* label : labels)
            texts << label->text();
        return int(QDialog::Accepted);
    });
    m_window->ui().actionAbout->trigger();
    const QString all = texts.join(QLatin1Char('\n'));
    for (const QString& part : {QStringLiteral("Korvex Template Designer"), CKorvexProductInfo::version(),
                                QString::fromLatin1(qVersion()), CKorvexAboutDialog::descriptionText()})
        QVERIFY2(all.contains(part), qPrintable(part));
}

void TestMainWindow::settingsRoundTrip()
{
    m_window->readSettings();
    QCOMPARE(m_window->geometry(), QRect(100, 100, 800, 800));
    QCOMPARE(CKorvexStartup::languagesDirectory(), QStringLiteral("/languages"));
    {
        auto settings = CKorvexProductInfo::openSettings();
        settings->setValue(QStringLiteral("ContentDirectory"), QStringLiteral("/opt/korvex"));
        settings->beginGroup(QStringLiteral("Designer"));
        settings->setValue(QStringLiteral("geometry"), QByteArray("unreadable"));
        settings->setValue(QStringLiteral("openpath"), QStringLiteral("/a/open"));
        settings->setValue(QStringLiteral("savepath"), QStringLiteral("/a/save.ktf"));
        settings->setValue(QStringLiteral("packagesavepath"), QStringLiteral("/a/package"));
    }
    QCOMPARE(CKorvexStartup::languagesDirectory(), QStringLiteral("/opt/korvex/languages"));
    m_window->setGeometry(40, 60, 700, 650);
    m_window->readSettings();
    QCOMPARE(m_window->geometry(), QRect(100, 100, 800, 800));
    QCOMPARE(m_window->openPath() + '|' + m_window->savePath() + '|' + m_window->packageSavePath(),
             QStringLiteral("/a/open|/a/save.ktf|/a/package"));

    m_window->setGeometry(40, 60, 700, 650);
    m_window->setDocumentPaths(QStringLiteral("/b/new.ktf"));
    m_window->writeSettings();
    auto settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(QStringLiteral("Designer"));
    QCOMPARE(settings->value(QStringLiteral("openpath")).toString() + '|' + settings->value("savepath").toString() +
                 '|' + settings->value("packagesavepath").toString(),
             QStringLiteral("/b/new.ktf|/b/new.ktf|/a/package"));
    QVERIFY(!settings->contains(QStringLiteral("isGridShown")));
    DesignerMainWindow again;
    again.readSettings();
    QCOMPARE(again.size(), QSize(700, 650));
}

void TestMainWindow::languageMenuStoresTheChoiceForNextRun()
{
    QTemporaryDir folder;
    for (const char* name : {"English_Designer.qm", "German_Designer.qm", "readme.txt"})
        QVERIFY(KorvexTestFiles::writeFile(folder.filePath(QString::fromLatin1(name)), {}));
    CKorvexLanguageService& service = CKorvexLanguageService::instance();
    service.setLanguagesDirectory(folder.path());
    service.switchLanguage(QStringLiteral("German"));
    DesignerMainWindow window;
    const auto& actions = window.ui().languageActions;
    QCOMPARE(window.ui().menuLanguage->actions(), actions);
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("English"));
    QVERIFY(actions.at(1)->isChecked());

    CKorvexLanguageService::setChosenLanguage(QStringLiteral("German"));
    KorvexScriptedPrompt prompt;
    actions.at(0)->trigger();
    QVERIFY(!actions.at(1)->isChecked());
    QCOMPARE(prompt.messages().size(), 1);
    const CKorvexMessageRequest& warning = prompt.messages().first();
    QCOMPARE(QString("%1|%2|%3").arg(warning.icon).arg(warning.title, warning.text),
             QStringLiteral("2|Language|Language change will be applied next time the designer runs."));
    QCOMPARE(CKorvexLanguageService::chosenLanguage(), QStringLiteral("English"));
    QCOMPARE(service.currentLanguage(), QStringLiteral("German"));
}

KORVEX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
