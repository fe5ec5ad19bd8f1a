#include "KorvexScriptedPrompt.h"
#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "KorvexTestPage.h"
#include "app/CKorvexAboutDialog.h"
#include "app/CKorvexStartup.h"
#include "app/DesignerMainWindow.h"
#include "core/CKorvexUndoManager.h"
#include "dictionary/CKorvexDictionary.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexDesignerText.h"
#include "scene/CKorvexResizeHandle.h"
#include "scene/CKorvexResizeHandles.h"
#include "services/CKorvexLanguageService.h"
#include "services/CKorvexProductInfo.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QDir>
#include <QTemporaryDir>
#include <QToolBar>

using Korvex::CKorvexUndoManager;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void tools_data();
    void tools();
    void zoom_data();
    void zoom();
    void editCommands_data();
    void editCommands();
    void pageSize_data();
    void pageSize();
    void pageSizeDialogIsFilledFromThePage();
    void preferencesResizeHandles();
    void dictionaryEditShowsOnBoundLabels();
    void secondThreeDAreaIsRefused();
    void viewActionsFollowTheirTargets();
    void dropsOnTheWindowAreAccepted();
    void aboutShowsProductAndVersions();
    void settingsRoundTrip();
    void languageMenuStoresTheChoiceForNextRun();

private:
    /// The checked tools, the scene's creation type and the view's cursor.
    QString toolState() const;
    std::unique_ptr<DesignerMainWindow> m_window;
    CKorvexDesignerScene* m_scene = nullptr;
};

void TestMainWindow::init()
{
    KorvexTestEnvironment::clearSettings();
    QGuiApplication::clipboard()->clear();
    m_window = std::make_unique<DesignerMainWindow>();
    m_scene = m_window->scene();
}

QString TestMainWindow::toolState() const
{
    QStringList names;
    const auto tools = m_window->ui().toolBarActions();
    for (const QAction* tool : tools) {
        if (tool->isChecked())
            names << tool->text();
    }
    const bool cross = m_window->view()->viewport()->cursor().shape() == Qt::CrossCursor;
    return names.join(',') + '|' + m_window->scene()->creationType() + (cross ? "|cross" : "|arrow");
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
    for (const QString& name : {tool, menuAction}) {
        other->trigger();
        m_window->findChild<QAction*>(name)->trigger();
        QCOMPARE(toolState(), action->text() + '|' + type + "|cross");
    }

    // Unchecking the last tool checks the pointer without running its slot; the pointer stays checked.
    QSignalSpy pointerToggles(ui.toolPointer, &QAction::toggled);
    action->trigger();
    QCOMPARE(pointerToggles.count(), 0);
    QCOMPARE(toolState(), QStringLiteral("Pointer||arrow"));
    ui.toolPointer->trigger();
    QCOMPARE(toolState(), QStringLiteral("Pointer||arrow"));
    action->trigger();
    m_window->scene()->resetToPointerTool();
    QCOMPARE(toolState(), QStringLiteral("Pointer||arrow"));
}

void TestMainWindow::zoom_data()
{
    QTest::addColumn<QString>("from");    // chosen in the zoom box first
    QTest::addColumn<QString>("command"); // "in", "out", "fit" or nothing
    QTest::addColumn<QSizeF>("page");     // the scene for "fit", in a 100 x 100 viewport
    QTest::addColumn<QString>("entry");
    QTest::addColumn<double>("compensation");
    const QSizeF none;
    for (const auto& row : {std::make_pair("10%", 10.0), {"50%", 2.0}, {"100%", 1.0}, {"125%", 0.8},
                            {"150%", 1 / 1.5}, {"400%", 1 / 1.5}, {"800%", 0.5}, {"1600%", 0.5}, {"2400%", 1 / 3.0}})
        QTest::newRow(row.first) << row.first << "" << none << row.first << row.second;
    QTest::newRow("in") << "100%" << "in" << none << "125%" << 0.8;
    QTest::newRow("in stops at the last") << "6400%" << "in" << none << "6400%" << 1 / 3.0;
    QTest::newRow("out") << "6400%" << "out" << none << "3200%" << 1 / 3.0;
    QTest::newRow("out stops at the first") << "10%" << "out" << none << "10%" << 10.0;
    const struct { double width; const char* entry; double compensation; } fits[] = {
        {400, "10%", 10}, {399, "25%", 4}, {200, "25%", 4}, {199, "50%", 2}, {125, "50%", 2}, {124, "75%", 1 / 0.75},
        {100, "75%", 1 / 0.75}, {99, "100%", 1}, {50, "100%", 1}, {49, "200%", 1 / 1.5}, {25, "200%", 1 / 1.5},
        {24, "400%", 1 / 1.5}, {10, "400%", 1 / 1.5}, {9, "800%", 0.5}};
    for (const auto& fit : fits)
        QTest::addRow("fit %g", fit.width) << "100%" << "fit" << QSizeF(fit.width, 1) << fit.entry << fit.compensation;
    QTest::newRow("fit height decides") << "100%" << "fit" << QSizeF(30, 150) << "50%" << 2.0;
}

void TestMainWindow::zoom()
{
    QFETCH(QString, from);
    QFETCH(QString, command);
    QFETCH(QSizeF, page);
    QFETCH(QString, entry);
    QFETCH(double, compensation);
    QComboBox* box = m_window->ui().zoomBox;
    QCOMPARE(box->currentText() + ' ' + QString::number(m_window->zoomPercent()), QStringLiteral("100% 100"));
    box->setCurrentText(QStringLiteral("3200%")); // so that every row undoes a zoom first
    box->setCurrentText(from);
    if (command == "in")
        m_window->ui().actionZoom_In->trigger();
    if (command == "out")
        m_window->ui().actionZoom_Out->trigger();
    if (command == "fit") {
        m_window->view()->viewport()->resize(100, 100);
        m_window->scene()->setSceneRect(QRectF(QPointF(), page));
        m_window->zoomToFit();
    }

    const int percent = entry.chopped(1).toInt();
    QCOMPARE(box->currentText(), entry);
    QCOMPARE(m_window->zoomPercent(), percent);
    QCOMPARE(m_window->view()->transform().m11(), percent / 100.0);
    QCOMPARE(m_window->view()->transform().m22(), percent / 100.0);
    QCOMPARE(m_window->scene()->context().zoomCompensation(), compensation);
    const QPainter::RenderHints hints = m_window->view()->renderHints();
    QCOMPARE(hints.testFlag(QPainter::Antialiasing), percent != 100);
    QVERIFY(hints.testFlag(QPainter::TextAntialiasing));
    QVERIFY(percent == 100 || hints.testFlag(QPainter::SmoothPixmapTransform));
}

void TestMainWindow::editCommands_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("copies");
    QTest::addColumn<QString>("after"); // live items bottom first, as x,y@z
    QTest::addColumn<int>("steps");     // undo steps added
    const QString sentBack = "200,60@1 40,60@2", front = "40,60@1 200,60@2";
    QTest::newRow("copy") << QStringList{"actionCopy"} << true << front << 0;
    QTest::newRow("copy, paste") << QStringList{"actionCopy", "actionPaste"} << true << front + " 200,60@2" << 1;
    QTest::newRow("cut") << QStringList{"actionCut"} << true << "40,60@1" << 1;
    QTest::newRow("delete") << QStringList{"actionDelete"} << false << "40,60@1" << 1;
    QTest::newRow("send to back") << QStringList{"actionSend_To_Back"} << false << sentBack << 1;
    QTest::newRow("send back tool") << QStringList{"toolSendBack"} << false << sentBack << 1;
    QTest::newRow("bring to front tool") << QStringList{"actionSend_To_Back", "toolBringFront"} << false << front << 1;
    QTest::newRow("bring to front") << QStringList{"toolSendBack", "actionBring_To_Front"} << false << front << 1;
}

void TestMainWindow::editCommands()
{
    QFETCH(QStringList, commands);
    QFETCH(bool, copies);
    QFETCH(QString, after);
    QFETCH(int, steps);
    const auto live = [this] {
        QStringList result;
        const auto all = m_scene->pageItems();
        for (const QGraphicsItem* item : all) {
            const auto* deletable = dynamic_cast<const CKorvexDeletableItem*>(item);
            if (item->isVisible() && deletable && !deletable->isDeleted())
                result << QString("%1,%2@%3").arg(item->x()).arg(item->y()).arg(item->zValue());
        }
        return result.join(' ');
    };
    m_scene->createItem(QStringLiteral("rect"), QPointF(40, 60));
    m_scene->createItem(QStringLiteral("rect"), QPointF(200, 60)); // the selection
    const int stepsBefore = CKorvexUndoManager::getInstance().UndoCount();
    for (const QString& command : commands)
        m_window->findChild<QAction*>(command)->trigger();

    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied.startsWith(QStringLiteral("item begin")) && copied.contains(QStringLiteral("type:rect")), copies);
    QVERIFY(copies || copied.isEmpty());
    QCOMPARE(m_window->isDirty(), commands.contains("actionPaste"));
    QCOMPARE(CKorvexUndoManager::getInstance().UndoCount(), stepsBefore + steps);
    QCOMPARE(live(), after);
    // Undo and redo replay the last step; bringing to front makes none.
    if (steps == 0 || commands.last().contains("Front"))
        return;
    m_window->ui().actionUndo->trigger();
    QCOMPARE(live(), QStringLiteral("40,60@1 200,60@2"));
    m_window->ui().actionRedo->trigger();
    QCOMPARE(live(), after);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void TestMainWindow::pageSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("dirty");
    QTest::newRow("wider") << 1000 << 700 << true << true;
    QTest::newRow("narrower and taller") << 250 << 1400 << true << true;
    QTest::newRow("taller only") << 500 << 1400 << true << false;
    QTest::newRow("same size") << 500 << 700 << true << false;
    QTest::newRow("cancelled") << 900 << 900 << false << false;
}

void TestMainWindow::pageSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, accepted);
    QFETCH(bool, dirty);
    auto* item = static_cast<CKorvexDesignerRect*>(m_scene->createItem(QStringLiteral("rect"), QPointF(100, 140)));
    const CKorvexDesignerScreen* screen = m_scene->screen();
    const auto state = [&] {
        return QList<double>{screen->width(), screen->height(), double(screen->dpi()),
                             item->x(),       item->y(),       item->width(), item->height()};
    };
    const QList<double> before = state();
    const double fx = width / 500.0, fy = height / 700.0;
    const QList<double> after{double(width), double(height), 300, before[3] * fx, before[4] * fy,
                              before[5] * fx, before[6] * fy};
    const int steps = CKorvexUndoManager::getInstance().UndoCount();
    KorvexScriptedPrompt prompt;
    prompt.answerDialog([=](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("resolutionStandardUnitsComboBox"))->setCurrentText("300");
        dialog.findChild<QSpinBox*>(QStringLiteral("widthSpinBox"))->setValue(width);
        dialog.findChild<QSpinBox*>(QStringLiteral("heightSpinBox"))->setValue(height);
        return int(accepted ? QDialog::Accepted : QDialog::Rejected);
    });
    m_window->ui().actionPage_Size->trigger();

    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPageSize")});
    QCOMPARE(state(), accepted ? after : before);
    QCOMPARE(m_window->isDirty(), dirty);
    QCOMPARE(CKorvexUndoManager::getInstance().UndoCount(), steps + int(accepted));
    if (!accepted)
        return;
    m_window->ui().actionUndo->trigger();
    QCOMPARE(state(), before);
    m_window->ui().actionRedo->trigger();
    QCOMPARE(state(), after);
}

void TestMainWindow::pageSizeDialogIsFilledFromThePage()
{
    CKorvexDesignerScreen* screen = m_scene->screen();
    screen->setWidth(842);
    screen->setHeight(595);
    screen->setDpi(600);
    screen->setPageSizeType(QStringLiteral("A4"));
    KorvexScriptedPrompt prompt;
    QStringList shown;
    prompt.answerDialog([&shown](QDialog& dialog) {
        for (const char* name : {"pageSizeComboBox", "sizeOrientationComboBox", "resolutionStandardUnitsComboBox"})
            shown << dialog.findChild<QComboBox*>(QLatin1String(name))->currentText();
        return int(QDialog::Rejected);
    });
    m_window->ui().actionPage_Size->trigger();
    QCOMPARE(shown, QStringList({"A4", "Landscape", "600"}));
}

void TestMainWindow::preferencesResizeHandles()
{
    QGraphicsItem* item = m_scene->createItem(QStringLiteral("rect"), QPointF(40, 60));
    CKorvexResizeHandles* handles = CKorvexDesignerItem::companionOf(item)->handles();
    QCOMPARE(handles->handle(0)->width(), 10.0);
    KorvexScriptedPrompt prompt;
    prompt.answerDialog([](QDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("SnapingCheckBox"))->setChecked(true);
        dialog.findChild<QSpinBox*>(QStringLiteral("gridSizeSpinBox"))->setValue(30);
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        return dialog.result();
    });
    m_window->ui().actionPreferences->trigger();
    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPreferences")});
    QCOMPARE(m_scene->context().gridSize(), 30);
    QCOMPARE(handles->handle(0)->width(), 30.0);
}

void TestMainWindow::dictionaryEditShowsOnBoundLabels()
{
    CKorvexDictionary::SaveDictionary({{Korvex::fromQString("Name"), Korvex::fromQString("Old")}});
    auto* label = dynamic_cast<CKorvexDesignerText*>(KorvexTestPage::add(
        *m_scene, {"type:label", "text source type:dictionary", "dictionary key:name", "html:<p>typed</p>"}));
    QVERIFY(label && label->text() == QStringLiteral("Old"));
    // As an edit in the dialog would: labels show it only when refreshed.
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("NAME"), QStringLiteral("New"));
    KorvexScriptedPrompt prompt;
    prompt.answerDialog([](QDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
        return dialog.result();
    });
    m_window->ui().actionDictionary->trigger();
    QCOMPARE(prompt.dialogs(), QStringList{"CKorvexDictionaryTableWidget"});
    QCOMPARE(label->text(), QStringLiteral("New"));
}

void TestMainWindow::secondThreeDAreaIsRefused()
{
    QVERIFY(m_scene->createItem(QStringLiteral("3d area"), QPointF(50, 50)));
    KorvexScriptedPrompt prompt;
    m_window->ui().tool3DArea->trigger();
    QCOMPARE(prompt.messages().size(), 1);
    const CKorvexMessageRequest& refusal = prompt.messages().first();
    QCOMPARE(QString("%1|%2|%3").arg(refusal.icon).arg(refusal.title, refusal.text),
             QStringLiteral("1|3D Area|Currently we do not support more than one 3d-area."));
    QCOMPARE(toolState(), QStringLiteral("Pointer||arrow"));

    // Once the area is deleted the tool may place it again.
    m_window->ui().actionDelete->trigger();
    m_window->ui().tool3DArea->trigger();
    QCOMPARE(prompt.messages().size(), 1);
    QCOMPARE(m_scene->creationType(), QStringLiteral("3d area"));
}

void TestMainWindow::viewActionsFollowTheirTargets()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const CKorvexMainWindowUi& ui = m_window->ui();
    QCOMPARE(m_window->scene()->pageMenu(), m_window->pageMenu());
    QCOMPARE(m_window->scene()->itemMenu(), ui.menuEdit);
    ui.actionProperties->setChecked(false);
    ui.actionTool_bar->setChecked(false);
    QVERIFY(!ui.propertyDockWidget->isVisible() && !ui.toolBar->isVisible());
    ui.actionProperties->setChecked(true);
    ui.actionTool_bar->setChecked(true);
    QVERIFY(ui.propertyDockWidget->isVisible() && ui.toolBar->isVisible());
    ui.propertyDockWidget->close();
    QVERIFY(!ui.actionProperties->isChecked());
    ui.propertyDockWidget->show();
    QVERIFY(ui.actionProperties->isChecked());

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
    QString texts;
    prompt.answerDialog([&texts](QDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts += label->text() + '\n';
        return int(QDialog::Accepted);
    });
    m_window->ui().actionAbout->trigger();
    for (const QString& part : {QStringLiteral("Korvex Template Designer"), CKorvexProductInfo::version(),
                                QString::fromLatin1(qVersion()), CKorvexAboutDialog::descriptionText()})
        QVERIFY2(texts.contains(part), qPrintable(part));
}

void TestMainWindow::settingsRoundTrip()
{
    m_window->readSettings();
    QCOMPARE(m_window->geometry(), QRect(100, 100, 800, 800));
    QCOMPARE(CKorvexStartup::languagesDirectory(), QStringLiteral("/languages"));
    QTemporaryDir prefix;
    QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("share/korvex-designer/languages"))));
    QCOMPARE(CKorvexStartup::languagesDirectory(prefix.filePath("bin")), prefix.filePath("share/korvex-designer/languages"));
    {
        auto settings = CKorvexProductInfo::openSettings();
        settings->setValue(QStringLiteral("ContentDirectory"), QStringLiteral("/opt/korvex"));
        settings->beginGroup(QStringLiteral("Designer"));
        settings->setValue(QStringLiteral("geometry"), QByteArray("unreadable"));
        for (const char* key : {"openpath", "savepath", "packagesavepath"})
            settings->setValue(QLatin1String(key), QStringLiteral("/a/") + key);
    }
    QCOMPARE(CKorvexStartup::languagesDirectory(prefix.filePath("bin")), QStringLiteral("/opt/korvex/languages"));
    m_window->setGeometry(40, 60, 700, 650);
    m_window->readSettings();
    QCOMPARE(m_window->geometry(), QRect(100, 100, 800, 800));
    QCOMPARE(m_window->openPath() + '|' + m_window->savePath() + '|' + m_window->packageSavePath(),
             QStringLiteral("/a/openpath|/a/savepath|/a/packagesavepath"));

    m_window->setGeometry(40, 60, 700, 650);
    m_window->setDocumentPaths(QStringLiteral("/b/new.ktf"));
    m_window->writeSettings();
    auto settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(QStringLiteral("Designer"));
    QCOMPARE(settings->value("openpath").toString() + '|' + settings->value("savepath").toString() + '|'
                 + settings->value("packagesavepath").toString(),
             QStringLiteral("/b/new.ktf|/b/new.ktf|/a/packagesavepath"));
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
    QCOMPARE(CKorvexLanguageService::chosenLanguage() + ' ' + service.currentLanguage(), QStringLiteral("English German"));
}

KORVEX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
