#include "app/CKorvexMainWindowUi.h"

#include "app/CKorvexZoomController.h"
#include "properties/CKorvexPropertyWidget.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QIcon resourceIcon(const QString& fileName)
{
    return QIcon(QStringLiteral(":/KorvexDesigner/Resources/") + fileName);
}

QAction* makeAction(QObject* parent, const QString& objectName, const QString& text,
                    const QString& shortcut = QString())
{
    auto* action = new QAction(text, parent);
    action->setObjectName(objectName);
    if (!shortcut.isEmpty())
        action->setShortcut(QKeySequence(shortcut));
    return action;
}

QAction* makeTool(QObject* parent, const QString& objectName, const QString& text,
                  const QString& iconFile, bool checkable)
{
    auto* action = makeAction(parent, objectName, text);
    action->setIcon(resourceIcon(iconFile));
    action->setToolTip(text);
    action->setCheckable(checkable);
    return action;
}

QAction* makeToggle(QObject* parent, const QString& objectName, const QString& text,
                    const QString& shortcut, const QString& toolTip)
{
    auto* action = makeAction(parent, objectName, text, shortcut);
    action->setCheckable(true);
    action->setToolTip(toolTip);
    return action;
}

} // namespace

void CKorvexMainWindowUi::setupUi(QMainWindow* window)
{
    window->setObjectName(QStringLiteral("DesignerMainWindow"));
    window->resize(663, 750);
    window->setWindowModality(Qt::ApplicationModal);
    window->setAcceptDrops(true);
    window->setWindowIcon(resourceIcon(QStringLiteral("KorvexDesigner.png")));

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralwidget"));
    centralLayout = new QHBoxLayout(centralWidget);
    centralLayout->setObjectName(QStringLiteral("horizontalLayout"));
    window->setCentralWidget(centralWidget);

    createMenuActions(window);
    createMenus(window);

    toolBar = new QToolBar(window);
    toolBar->setObjectName(QStringLiteral("Items_toolbar"));
    toolBar->setWindowTitle(tr("Tool Bar"));
    window->addToolBar(Qt::TopToolBarArea, toolBar);

    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("statusbar"));
    window->setStatusBar(statusBar);

    createDock(window);
    window->setWindowTitle(tr("Korvex Designer"));
}

void CKorvexMainWindowUi::createMenuActions(QMainWindow* window)
{
    actionNew = makeAction(window, QStringLiteral("actionNew"), tr("New"), tr("Ctrl+N"));
    actionNew->setIcon(resourceIcon(QStringLiteral("newfile_icon.png")));
    actionOpen = makeAction(window, QStringLiteral("actionOpen"), tr("Open"), tr("Ctrl+O"));
    actionOpen->setIcon(resourceIcon(QStringLiteral("folderopen_icon.png")));
    actionSave = makeAction(window, QStringLiteral("actionSave"), tr("Save"), tr("Ctrl+S"));
    actionSave->setIcon(resourceIcon(QStringLiteral("filesave_icon.png")));
    actionSave_As = makeAction(window, QStringLiteral("actionSave_As"), tr("Save As"));
    actionExport = makeAction(window, QStringLiteral("actionExport"), tr("Export..."), tr("Ctrl+E"));
    actionPage_Size = makeAction(window, QStringLiteral("actionPage_Size"), tr("Page Size"));
    actionExit = makeAction(window, QStringLiteral("actionExit"), tr("Exit"), tr("Ctrl+Q"));
    createEditActions(window);
    createViewActions(window);
    createInsertActions(window);
    actionAbout = makeAction(window, QStringLiteral("actionAbout"), tr("About"));
}

void CKorvexMainWindowUi::createEditActions(QMainWindow* window)
{
    actionCut = makeAction(window, QStringLiteral("actionCut"), tr("Cut"), tr("Ctrl+X"));
    actionCopy = makeAction(window, QStringLiteral("actionCopy"), tr("&Copy"), tr("Ctrl+C"));
    actionPaste = makeAction(window, QStringLiteral("actionPaste"), tr("&Paste"), tr("Ctrl+V"));
    actionDelete = makeAction(window, QStringLiteral("actionDelete"), tr("Delete"), tr("Del"));
    actionSend_To_Back = makeAction(window, QStringLiteral("actionSend_To_Back"), tr("Send To Back"));
    actionSend_To_Back->setIcon(resourceIcon(QStringLiteral("send_backward.png")));
    actionBring_To_Front = makeAction(window, QStringLiteral("actionBring_To_Front"), tr("Bring To Front"));
    actionBring_To_Front->setIcon(resourceIcon(QStringLiteral("send_foreward.png")));
    actionUndo = makeAction(window, QStringLiteral("actionUndo"), tr("Undo"), tr("Ctrl+Z"));
    actionRedo = makeAction(window, QStringLiteral("actionRedo"), tr("Redo"), tr("Ctrl+Y"));
    actionDictionary = makeAction(window, QStringLiteral("actionDictionary"), tr("Dictionary"));
    actionPreferences = makeAction(window, QStringLiteral("actionPreferences"), tr("Preferences"));
}

void CKorvexMainWindowUi::createViewActions(QMainWindow* window)
{
    actionZoom_In = makeAction(window, QStringLiteral("actionZoom_In"), tr("Zoom In"), tr("+"));
    actionZoom_In->setToolTip(tr("Zoom In ( + )"));
    actionZoom_Out = makeAction(window, QStringLiteral("actionZoom_Out"), tr("Zoom Out"), tr("-"));
    actionZoom_Out->setToolTip(tr("Zoom Out ( - )"));
    actionProperties = makeToggle(window, QStringLiteral("actionProperties"), tr("Properties"), tr("P"),
                                  tr("show/hide properties"));
    actionProperties->setChecked(true);
    actionGrid_2 = makeToggle(window, QStringLiteral("actionGrid_2"), tr("Grid"), tr("G"), tr("show/hide grid"));
    actionTool_bar = makeToggle(window, QStringLiteral("actionTool_bar"), tr("Tool Bar"), tr("T"),
                                tr("show/hide tool bar"));
    actionTool_bar->setChecked(true);
}

void CKorvexMainWindowUi::createInsertActions(QMainWindow* window)
{
    actionLine = makeAction(window, QStringLiteral("actionLine"), tr("Line"), tr("Ctrl+1"));
    actionLine->setIcon(resourceIcon(QStringLiteral("LineIcon.png")));
    actionRectangle = makeAction(window, QStringLiteral("actionRectangle"), tr("Rectangle"), tr("Ctrl+2"));
    actionRectangle->setIcon(resourceIcon(QStringLiteral("RectIcon.png")));
    action3D_Area = makeAction(window, QStringLiteral("action3D_Area"), tr("3D Area"), tr("Ctrl+3"));
    action3D_Area->setIcon(resourceIcon(QStringLiteral("3dAreaIcon.png")));
    actionText = makeAction(window, QStringLiteral("actionText"), tr("Text"), tr("Ctrl+4"));
    actionText->setIcon(resourceIcon(QStringLiteral("LableIcon.png")));
    actionImage = makeAction(window, QStringLiteral("actionImage"), tr("Image"), tr("Ctrl+5"));
    actionImage->setIcon(resourceIcon(QStringLiteral("ImageIcon.png")));
    actionFormTextBox = makeAction(window, QStringLiteral("actionFormTextBox"), tr("Form Text Box"), tr("Ctrl+6"));
    actionFormTextBox->setIcon(resourceIcon(QStringLiteral("formTextBox.png")));
}

void CKorvexMainWindowUi::createMenus(QMainWindow* window)
{
    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menubar"));
    window->setMenuBar(menuBar);

    menuFile = menuBar->addMenu(tr("File"));
    menuFile->setObjectName(QStringLiteral("menuFile"));
    menuFile->addActions({actionNew, actionOpen});
    menuOpen_Recent = menuFile->addMenu(tr("Open Recent"));
    menuOpen_Recent->setObjectName(QStringLiteral("menuOpen_Recent"));
    menuFile->addSeparator();
    menuFile->addActions({actionSave, actionSave_As, actionExport});
    menuFile->addSeparator();
    menuFile->addAction(actionPage_Size);
    menuFile->addSeparator();
    menuFile->addAction(actionExit);

    menuEdit = menuBar->addMenu(tr("Edit"));
    menuEdit->setObjectName(QStringLiteral("menuEdit"));
    menuEdit->addActions({actionCut, actionCopy, actionPaste, actionDelete});
    menuEdit->addSeparator();
    menuEdit->addActions({actionSend_To_Back, actionBring_To_Front, actionUndo, actionRedo});
    menuEdit->addSeparator();
    menuEdit->addAction(actionDictionary);
    menuEdit->addSeparator();
    menuEdit->addAction(actionPreferences);

    menuInsertItem = menuBar->addMenu(tr("Insert"));
    menuInsertItem->setObjectName(QStringLiteral("menuInsertItem"));
    menuInsertItem->addActions({actionLine, actionRectangle, action3D_Area, actionText, actionImage,
                                actionFormTextBox});

    menuView = menuBar->addMenu(tr("View"));
    menuView->setObjectName(QStringLiteral("menuView"));
    menuView->addActions({actionZoom_In, actionZoom_Out});
    menuView->addSeparator();
    menuView->addActions({actionProperties, actionGrid_2, actionTool_bar});
    menuLanguage = menuView->addMenu(tr("Language"));
    menuLanguage->setObjectName(QStringLiteral("menuLanguage"));

    menuHelp = menuBar->addMenu(tr("Help"));
    menuHelp->setObjectName(QStringLiteral("menuHelp"));
    menuHelp->addAction(actionAbout);
}

void CKorvexMainWindowUi::createDock(QMainWindow* window)
{
    propertyDockWidget = new QDockWidget(window);
    propertyDockWidget->setObjectName(QStringLiteral("propertyDockWidget"));
    propertyDockWidget->setWindowTitle(tr("   Properties"));
    propertyDockWidget->setStyleSheet(QStringLiteral("QDockWidget\n{ \n     border: 1px solid rgb(0, 52, 75);\n"
                                                     "     border-radius: 3px;\n}"));
    dockWidgetContents = new QWidget(propertyDockWidget);
    dockWidgetContents->setObjectName(QStringLiteral("dockWidgetContents"));
    dockWidgetContents->setStyleSheet(QStringLiteral("QWidget {\n\n    color: rgb(0, 58, 86);\n\n}"));
    // Keeps the dock at panel width while it has nothing to show.
    dockWidgetContents->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(dockWidgetContents);
    layout->setContentsMargins(0, 0, 0, 0);
    // A tall panel (text rows with the action editor) scrolls instead of stretching the window.
    auto* scroller = new QScrollArea(dockWidgetContents);
    scroller->setObjectName(QStringLiteral("propertyScrollArea"));
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    propertyWidget = new CKorvexPropertyWidget(scroller);
    scroller->setWidget(propertyWidget);
    layout->addWidget(scroller);
    propertyDockWidget->setWidget(dockWidgetContents);
    window->addDockWidget(Qt::LeftDockWidgetArea, propertyDockWidget);
}

void CKorvexMainWindowUi::setupToolBar(QMainWindow* window)
{
    toolNewFile = makeTool(window, QStringLiteral("toolNewFile"), tr("New File"),
                           QStringLiteral("newfile_icon.png"), false);
    toolOpenFile = makeTool(window, QStringLiteral("toolOpenFile"), tr("Open File"),
                            QStringLiteral("folderopen_icon.png"), false);
    toolSaveFile = makeTool(window, QStringLiteral("toolSaveFile"), tr("Save File"),
                            QStringLiteral("filesave_icon.png"), false);
    toolPointer = makeTool(window, QStringLiteral("toolPointer"), tr("Pointer"),
                           QStringLiteral("mouse_Pointer.png"), true);
    toolLine = makeTool(window, QStringLiteral("toolLine"), tr("Line"), QStringLiteral("LineIcon.png"), true);
    toolRectangle = makeTool(window, QStringLiteral("toolRectangle"), tr("Rectangle"),
                             QStringLiteral("RectIcon.png"), true);
    tool3DArea = makeTool(window, QStringLiteral("tool3DArea"), tr("3D Area"), QStringLiteral("3dAreaIcon.png"), true);
    toolText = makeTool(window, QStringLiteral("toolText"), tr("Text"), QStringLiteral("LableIcon.png"), true);
    toolImage = makeTool(window, QStringLiteral("toolImage"), tr("Image"), QStringLiteral("ImageIcon.png"), true);
    toolFormTextBox = makeTool(window, QStringLiteral("toolFormTextBox"), tr("Form Text Box"),
                               QStringLiteral("formTextBox.png"), true);
    toolSendBack = makeTool(window, QStringLiteral("toolSendBack"), tr("Send Back"),
                            QStringLiteral("send_backward.png"), false);
    toolBringFront = makeTool(window, QStringLiteral("toolBringFront"), tr("Bring Front"),
                              QStringLiteral("send_foreward.png"), false);
    toolPointer->setChecked(true);

    toolBar->addActions({toolNewFile, toolOpenFile, toolSaveFile});
    toolBar->addSeparator();
    toolBar->addActions({toolPointer, toolLine, toolRectangle, tool3DArea, toolText, toolImage});
    toolBar->addSeparator();
    toolBar->addAction(toolFormTextBox);
    toolBar->addSeparator();
    toolBar->addWidget(createZoomWidget(toolBar));
    toolBar->addSeparator();
    toolBar->addActions({toolSendBack, toolBringFront});
}

QWidget* CKorvexMainWindowUi::createZoomWidget(QWidget* parent)
{
    auto* widget = new QWidget(parent);
    widget->setObjectName(QStringLiteral("zoomWidget"));
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(6, 0, 6, 0);
    zoomLabel = new QLabel(QStringLiteral("<b>") + tr("Zoom") + QStringLiteral("</b>"), widget);
    zoomLabel->setObjectName(QStringLiteral("zoomLabel"));
    zoomBox = new QComboBox(widget);
    zoomBox->setObjectName(QStringLiteral("zoomBox"));
    zoomBox->addItems(CKorvexZoomController::entries());
    zoomBox->setCurrentIndex(CKorvexZoomController::defaultIndex());
    layout->addWidget(zoomLabel);
    layout->addWidget(zoomBox);
    return widget;
}

QMenu* CKorvexMainWindowUi::setupPageMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("pageMenu"));
    menu->addActions({actionCut, actionCopy, actionPaste, actionDelete});
    menu->addSeparator();
    menu->addActions({actionSend_To_Back, actionBring_To_Front});
    menu->addSeparator();
    menu->addMenu(menuInsertItem);
    QMenu* zoomMenu = menu->addMenu(tr("Zoom"));
    zoomMenu->addActions({actionZoom_In, actionZoom_Out});
    QMenu* showMenu = menu->addMenu(tr("Show"));
    showMenu->addActions({actionProperties, actionGrid_2, actionTool_bar});
    return menu;
}

void CKorvexMainWindowUi::setupLanguageMenu(const QStringList& languages, const QString& current)
{
    languageGroup = new QActionGroup(menuLanguage);
    languageGroup->setExclusive(true);
    for (const QString& language : languages) {
        QAction* action = menuLanguage->addAction(language);
        action->setCheckable(true);
        action->setChecked(language == current);
        languageGroup->addAction(action);
        languageActions.append(action);
    }
}

QList<QAction*> CKorvexMainWindowUi::toolBarActions() const
{
    return {toolNewFile, toolOpenFile, toolSaveFile, toolPointer,  toolLine,     toolRectangle,
            tool3DArea,  toolText,     toolImage,    toolFormTextBox, toolSendBack, toolBringFront};
}
