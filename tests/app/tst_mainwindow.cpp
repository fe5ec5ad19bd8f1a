#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "app/CKorvexAboutDialog.h"
#include "app/DesignerMainWindow.h"
#include "scene/CKorvexDesignerScene.h"
#include "services/CKorvexProductInfo.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGraphicsView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QToolBar>

namespace {

// Action texts of a menu, "-" for a separator and "[title]" for a submenu.
QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    const auto actions = menu->actions();
    for (const QAction* action : actions) {
        if (action->isSeparator())
            texts << QStringLiteral("-");
        else if (action->menu())
            texts << QLatin1Char('[') + action->menu()->title() + QLatin1Char(']');
        else
            texts << action->text();
    }
    return texts;
}

QStringList toolBarTexts(const QToolBar* bar)
{
    QStringList texts;
    const auto actions = bar->actions();
    for (QAction* action : actions) {
        if (action->isSeparator())
            texts << QStringLiteral("-");
        else if (bar->widgetForAction(action) && !action->isCheckable() && action->text().isEmpty())
            texts << QStringLiteral("zoom");
        else
            texts << action->toolTip();
    }
    return texts;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void windowLayout();
    void viewSettings();
    void menuBarOrder();
    void menuActions_data();
    void menuActions();
    void toolBar();
    void pageMenuAndSceneMenus();
    void unavailableCommandsAreDisabled();
    void gridCheckedFromSettings();
    void zoomBoxScalesTheView();
    void zoomInOutStopAtTheEnds();
    void zoomToFit_data();
    void zoomToFit();
    void dockFollowsPropertiesAction();
    void toolBarFollowsItsAction();
    void dropsOnTheWindowAreAccepted();
    void aboutShowsProductAndVersions();
};

void TestMainWindow::init()
{
    KorvexTestEnvironment::clearSettings();
}

void TestMainWindow::windowLayout()
{
    DesignerMainWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("DesignerMainWindow"));
    QCOMPARE(window.size(), QSize(663, 750));
    QCOMPARE(window.windowModality(), Qt::ApplicationModal);
    QVERIFY(window.acceptDrops());
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.windowTitle(), QStringLiteral("Korvex Template Designer - New Template"));
    QCOMPARE(window.zoomPercent(), 100);
    QCOMPARE(window.currentFile(), QString());
    QVERIFY(!window.isDirty());

    auto* dock = window.findChild<QDockWidget*>(QStringLiteral("propertyDockWidget"));
    QVERIFY(dock);
    QCOMPARE(dock->windowTitle(), QStringLiteral("   Properties"));
    QCOMPARE(window.dockWidgetArea(dock), Qt::LeftDockWidgetArea);
    QCOMPARE(dock->styleSheet(), QStringLiteral("QDockWidget\n{ \n     border: 1px solid rgb(0, 52, 75);\n"
                                                "     border-radius: 3px;\n}"));
    auto* bar = window.findChild<QToolBar*>(QStringLiteral("Items_toolbar"));
    QVERIFY(bar);
    QCOMPARE(bar->windowTitle(), QStringLiteral("Tool Bar"));
    QCOMPARE(window.toolBarArea(bar), Qt::TopToolBarArea);
    QVERIFY(window.statusBar());
    QCOMPARE(window.centralWidget()->layout()->indexOf(window.view()), 0);
}

void TestMainWindow::viewSettings()
{
    DesignerMainWindow window;
    QGraphicsView* view = window.view();
    QCOMPARE(view->scene(), static_cast<QGraphicsScene*>(window.scene()));
    QCOMPARE(window.scene()->parent(), static_cast<QObject*>(&window));
    // The page of a new scene, with a margin of 30 all round.
    QCOMPARE(window.scene()->sceneRect(), QRectF(-30, -30, 560, 760));
    QCOMPARE(view->styleSheet(),
             QStringLiteral("QGraphicsView { background: QLinearGradient(x1: 0, y1: 0, x2: 0, y2: 1, "
                            "stop: 0 rgb(230,230,240), stop: 1 rgb(255,255,255)); }"));
    QCOMPARE(view->cacheMode(), QGraphicsView::CacheBackground);
    QCOMPARE(view->viewportUpdateMode(), QGraphicsView::BoundingRectViewportUpdate);
    QVERIFY(view->acceptDrops());
    QVERIFY(!view->renderHints().testFlag(QPainter::Antialiasing));
    QVERIFY(view->renderHints().testFlag(QPainter::TextAntialiasing));
}

void TestMainWindow::menuBarOrder()
{
    DesignerMainWindow window;
    const CKorvexMainWindowUi& ui = window.ui();
    QStringList titles;
    const auto menus = window.menuBar()->actions();
    for (const QAction* action : menus)
        titles << action->text();
    QCOMPARE(titles, QStringList({"File", "Edit", "Insert", "View", "Help"}));
    QCOMPARE(menuTexts(ui.menuFile),
             QStringList({"New", "Open", "-", "Save", "Save As", "-", "Page Size", "-", "Exit"}));
    QCOMPARE(menuTexts(ui.menuEdit),
             QStringList({"Cut", "&Copy", "&Paste", "Delete", "-", "Send To Back", "Bring To Front", "Undo",
                          "Redo", "-", "Dictionary", "-", "Preferences"}));
    QCOMPARE(ui.menuInsertItem->objectName(), QStringLiteral("menuInsertItem"));
    QCOMPARE(menuTexts(ui.menuInsertItem),
             QStringList({"Line", "Rectangle", "3D Area", "Text", "Image", "Form Text Box"}));
    QCOMPARE(menuTexts(ui.menuView), QStringList({"Zoom In", "Zoom Out", "-", "Properties", "Grid", "Tool Bar",
                                                  "[Language]"}));
    QCOMPARE(menuTexts(ui.menuHelp), QStringList({"About"}));
}

void TestMainWindow::menuActions_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("checked");

    const QString none;
    QTest::newRow("New") << "actionNew" << "New" << "Ctrl+N" << none << false;
    QTest::newRow("Open") << "actionOpen" << "Open" << "Ctrl+O" << none << false;
    QTest::newRow("Save") << "actionSave" << "Save" << "Ctrl+S" << none << false;
    QTest::newRow("Save As") << "actionSave_As" << "Save As" << "" << none << false;
    QTest::newRow("Page Size") << "actionPage_Size" << "Page Size" << "" << none << false;
    QTest::newRow("Exit") << "actionExit" << "Exit" << "Ctrl+Q" << none << false;
    QTest::newRow("Cut") << "actionCut" << "Cut" << "Ctrl+X" << none << false;
    QTest::newRow("Copy") << "actionCopy" << "&Copy" << "Ctrl+C" << none << false;
    QTest::newRow("Paste") << "actionPaste" << "&Paste" << "Ctrl+V" << none << false;
    QTest::newRow("Delete") << "actionDelete" << "Delete" << "Del" << none << false;
    QTest::newRow("Send To Back") << "actionSend_To_Back" << "Send To Back" << "" << none << false;
    QTest::newRow("Bring To Front") << "actionBring_To_Front" << "Bring To Front" << "" << none << false;
    QTest::newRow("Undo") << "actionUndo" << "Undo" << "Ctrl+Z" << none << false;
    QTest::newRow("Redo") << "actionRedo" << "Redo" << "Ctrl+Y" << none << false;
    QTest::newRow("Dictionary") << "actionDictionary" << "Dictionary" << "" << none << false;
    QTest::newRow("Preferences") << "actionPreferences" << "Preferences" << "" << none << false;
    QTest::newRow("Zoom In") << "actionZoom_In" << "Zoom In" << "+" << "Zoom In ( + )" << false;
    QTest::newRow("Zoom Out") << "actionZoom_Out" << "Zoom Out" << "-" << "Zoom Out ( - )" << false;
    QTest::newRow("Properties") << "actionProperties" << "Properties" << "P" << "show/hide properties" << true;
    QTest::newRow("Grid") << "actionGrid_2" << "Grid" << "G" << "show/hide grid" << false;
    QTest::newRow("Tool Bar") << "actionTool_bar" << "Tool Bar" << "T" << "show/hide tool bar" << true;
    QTest::newRow("Line") << "actionLine" << "Line" << "Ctrl+1" << none << false;
    QTest::newRow("Rectangle") << "actionRectangle" << "Rectangle" << "Ctrl+2" << none << false;
    QTest::newRow("3D Area") << "action3D_Area" << "3D Area" << "Ctrl+3" << none << false;
    QTest::newRow("Text") << "actionText" << "Text" << "Ctrl+4" << none << false;
    QTest::newRow("Image") << "actionImage" << "Image" << "Ctrl+5" << none << false;
    QTest::newRow("Form Text Box") << "actionFormTextBox" << "Form Text Box" << "Ctrl+6" << none << false;
    QTest::newRow("About") << "actionAbout" << "About" << "" << none << false;
}

void TestMainWindow::menuActions()
{
    QFETCH(QString, objectName);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(QString, toolTip);
    QFETCH(bool, checked);

    DesignerMainWindow window;
    auto* action = window.findChild<QAction*>(objectName);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    if (!toolTip.isEmpty())
        QCOMPARE(action->toolTip(), toolTip);
    QCOMPARE(action->isChecked(), checked);
}

void TestMainWindow::toolBar()
{
    DesignerMainWindow window;
    const CKorvexMainWindowUi& ui = window.ui();
    QCOMPARE(toolBarTexts(ui.toolBar),
             QStringList({"New File", "Open File", "Save File", "-", "Pointer", "Line", "Rectangle", "3D Area",
                          "Text", "Image", "-", "Form Text Box", "-", "zoom", "-", "Send Back", "Bring Front"}));
    QStringList checkable;
    const auto tools = ui.toolBarActions();
    for (const QAction* tool : tools) {
        QVERIFY2(!tool->icon().isNull(), qPrintable(tool->text()));
        if (tool->isCheckable())
            checkable << tool->text();
    }
    QCOMPARE(checkable, QStringList({"Pointer", "Line", "Rectangle", "3D Area", "Text", "Image", "Form Text Box"}));
    QVERIFY(ui.toolPointer->isChecked());
    QCOMPARE(ui.zoomLabel->text(), QStringLiteral("<b>Zoom</b>"));
    QCOMPARE(ui.zoomBox->count(), 14);
    QCOMPARE(ui.zoomBox->currentText(), QStringLiteral("100%"));
}

void TestMainWindow::pageMenuAndSceneMenus()
{
    DesignerMainWindow window;
    QCOMPARE(menuTexts(window.pageMenu()), QStringList({"Cut", "&Copy", "&Paste", "Delete", "-", "Send To Back",
                                                        "Bring To Front", "-", "[Insert]", "[Zoom]", "[Show]"}));
    const auto submenus = window.pageMenu()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    QStringList nested;
    for (const QMenu* menu : submenus)
        nested << menu->title() + QLatin1Char(':') + menuTexts(menu).join(QLatin1Char(','));
    QVERIFY(nested.contains(QStringLiteral("Zoom:Zoom In,Zoom Out")));
    QVERIFY(nested.contains(QStringLiteral("Show:Properties,Grid,Tool Bar")));
    QCOMPARE(window.scene()->pageMenu(), window.pageMenu());
    QCOMPARE(window.scene()->itemMenu(), window.ui().menuEdit);
}

void TestMainWindow::unavailableCommandsAreDisabled()
{
    DesignerMainWindow window;
    QVERIFY(!window.ui().actionDictionary->isEnabled());
    const QStringList enabled{"actionNew",        "actionOpen",         "actionSave",           "actionSave_As",
                              "actionPage_Size",  "actionCut",          "actionCopy",           "actionPaste",
                              "actionDelete",     "actionSend_To_Back", "actionBring_To_Front", "actionUndo",
                              "actionRedo",       "actionPreferences",  "actionGrid_2",         "toolNewFile",
                              "toolOpenFile",     "toolSaveFile",       "toolSendBack",         "toolBringFront",
                              "actionExit",       "actionAbout",        "actionZoom_In",        "actionZoom_Out",
                              "actionProperties", "actionTool_bar",     "actionLine",           "toolPointer",
                              "toolLine",         "tool3DArea"};
    for (const QString& name : enabled) {
        auto* action = window.findChild<QAction*>(name);
        QVERIFY2(action && action->isEnabled(), qPrintable(name));
    }
}

void TestMainWindow::gridCheckedFromSettings()
{
    {
        DesignerMainWindow window;
        QVERIFY(!window.ui().actionGrid_2->isChecked());
    }
    CKorvexProductInfo::openSettings()->setValue(QStringLiteral("Designer/isGridShown"), true);
    DesignerMainWindow window;
    QVERIFY(window.ui().actionGrid_2->isChecked());
}

void TestMainWindow::zoomBoxScalesTheView()
{
    DesignerMainWindow window;
    QComboBox* box = window.ui().zoomBox;
    box->setCurrentText(QStringLiteral("400%"));
    QCOMPARE(window.zoomPercent(), 400);
    QCOMPARE(window.view()->transform().m11(), 4.0);
    QCOMPARE(window.view()->transform().m22(), 4.0);
    QCOMPARE(window.scene()->context().zoomCompensation(), 1 / 1.5);
    QCOMPARE(window.view()->renderHints(),
             QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);

    box->setCurrentText(QStringLiteral("50%"));
    QCOMPARE(window.view()->transform().m11(), 0.5);
    QCOMPARE(window.scene()->context().zoomCompensation(), 2.0);

    box->setCurrentText(QStringLiteral("100%"));
    QCOMPARE(window.view()->transform().m11(), 1.0);
    QCOMPARE(window.scene()->context().zoomCompensation(), 1.0);
    QVERIFY(!window.view()->renderHints().testFlag(QPainter::Antialiasing));
}

void TestMainWindow::zoomInOutStopAtTheEnds()
{
    DesignerMainWindow window;
    QComboBox* box = window.ui().zoomBox;
    window.ui().actionZoom_In->trigger();
    QCOMPARE(box->currentText(), QStringLiteral("125%"));
    box->setCurrentText(QStringLiteral("6400%"));
    window.ui().actionZoom_In->trigger();
    QCOMPARE(box->currentText(), QStringLiteral("6400%"));
    QCOMPARE(window.scene()->context().zoomCompensation(), 1 / 3.0);
    window.ui().actionZoom_Out->trigger();
    QCOMPARE(box->currentText(), QStringLiteral("3200%"));
    box->setCurrentText(QStringLiteral("10%"));
    window.ui().actionZoom_Out->trigger();
    QCOMPARE(box->currentText(), QStringLiteral("10%"));
    QCOMPARE(window.zoomPercent(), 10);
    QCOMPARE(window.view()->transform().m11(), 0.1);
}

void TestMainWindow::zoomToFit_data()
{
    QTest::addColumn<double>("widthRatio");
    QTest::addColumn<double>("heightRatio");
    QTest::addColumn<QString>("entry");
    QTest::newRow("four and a half times as wide") << 4.5 << 1.0 << "10%";
    QTest::newRow("0.6 times as wide and tall") << 0.6 << 0.6 << "100%";
    QTest::newRow("height decides") << 0.3 << 1.5 << "50%";
    QTest::newRow("tiny page") << 0.05 << 0.05 << "800%";
}

void TestMainWindow::zoomToFit()
{
    QFETCH(double, widthRatio);
    QFETCH(double, heightRatio);
    QFETCH(QString, entry);

    DesignerMainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize viewport = window.view()->viewport()->size();
    QVERIFY(!viewport.isEmpty());
    window.scene()->setSceneRect(0, 0, viewport.width() * widthRatio, viewport.height() * heightRatio);
    window.zoomToFit();
    QCOMPARE(window.ui().zoomBox->currentText(), entry);
    QCOMPARE(window.zoomPercent(), entry.chopped(1).toInt());
}

void TestMainWindow::dockFollowsPropertiesAction()
{
    DesignerMainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QDockWidget* dock = window.ui().propertyDockWidget;
    QAction* properties = window.ui().actionProperties;
    properties->setChecked(false);
    QVERIFY(!dock->isVisible());
    properties->setChecked(true);
    QVERIFY(dock->isVisible());
    dock->close();
    QVERIFY(!properties->isChecked());
    dock->show();
    QVERIFY(properties->isChecked());
}

void TestMainWindow::toolBarFollowsItsAction()
{
    DesignerMainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ui().actionTool_bar->setChecked(false);
    QVERIFY(!window.ui().toolBar->isVisible());
    window.ui().actionTool_bar->setChecked(true);
    QVERIFY(window.ui().toolBar->isVisible());
}

void TestMainWindow::dropsOnTheWindowAreAccepted()
{
    DesignerMainWindow window;
    const int itemsBefore = window.scene()->items().size();
    QMimeData data;
    data.setText(QStringLiteral("rect"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(window.scene()->items().size(), itemsBefore);
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
    DesignerMainWindow window;
    window.ui().actionAbout->trigger();
    QCOMPARE(prompt.pendingAnswers(), 0);
    const QString all = texts.join(QLatin1Char('\n'));
    QVERIFY(all.contains(QStringLiteral("Korvex Template Designer")));
    QVERIFY(all.contains(CKorvexProductInfo::version()));
    QVERIFY(all.contains(QString::fromLatin1(qVersion())));
    QVERIFY(texts.contains(CKorvexAboutDialog::descriptionText()));
}

KORVEX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
