#pragma once

#include <QCoreApplication>
#include <QStringList>

class QAction;
class QActionGroup;
class QComboBox;
class CKorvexPropertyWidget;
class QDockWidget;
class QHBoxLayout;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QWidget;

/// The widgets, menus and actions of the main window, built in the order the window needs them.
class CKorvexMainWindowUi
{
    Q_DECLARE_TR_FUNCTIONS(DesignerMainWindow)

public:
    /// Layout, menu actions and menus, tool bar frame, status bar and dock.
    void setupUi(QMainWindow* window);
    /// The tool bar's tools and its zoom widget.
    void setupToolBar(QMainWindow* window);
    /// The context menu for a right press on the page.
    QMenu* setupPageMenu(QWidget* parent);
    /// One exclusive, checkable action per language, the current one checked.
    void setupLanguageMenu(const QStringList& languages, const QString& current);

    /// Every action of the tool bar, in order, separators excluded.
    QList<QAction*> toolBarActions() const;

    QWidget* centralWidget = nullptr;
    QHBoxLayout* centralLayout = nullptr;
    QMenuBar* menuBar = nullptr;
    QMenu* menuFile = nullptr;
    QMenu* menuOpen_Recent = nullptr;
    QMenu* menuEdit = nullptr;
    QMenu* menuInsertItem = nullptr;
    QMenu* menuView = nullptr;
    QMenu* menuLanguage = nullptr;
    QMenu* menuHelp = nullptr;
    QToolBar* toolBar = nullptr;
    QStatusBar* statusBar = nullptr;
    QDockWidget* propertyDockWidget = nullptr;
    QWidget* dockWidgetContents = nullptr;
    CKorvexPropertyWidget* propertyWidget = nullptr;

    QAction* actionNew = nullptr;
    QAction* actionOpen = nullptr;
    QAction* actionSave = nullptr;
    QAction* actionSave_As = nullptr;
    QAction* actionExport = nullptr;
    QAction* actionPage_Size = nullptr;
    QAction* actionExit = nullptr;
    QAction* actionCut = nullptr;
    QAction* actionCopy = nullptr;
    QAction* actionPaste = nullptr;
    QAction* actionDelete = nullptr;
    QAction* actionSend_To_Back = nullptr;
    QAction* actionBring_To_Front = nullptr;
    QAction* actionUndo = nullptr;
    QAction* actionRedo = nullptr;
    QAction* actionDictionary = nullptr;
    QAction* actionPreferences = nullptr;
    QAction* actionZoom_In = nullptr;
    QAction* actionZoom_Out = nullptr;
    QAction* actionProperties = nullptr;
    QAction* actionGrid_2 = nullptr;
    QAction* actionTool_bar = nullptr;
    QAction* actionLine = nullptr;
    QAction* actionRectangle = nullptr;
    QAction* action3D_Area = nullptr;
    QAction* actionText = nullptr;
    QAction* actionImage = nullptr;
    QAction* actionFormTextBox = nullptr;
    QAction* actionAbout = nullptr;

    QAction* toolNewFile = nullptr;
    QAction* toolOpenFile = nullptr;
    QAction* toolSaveFile = nullptr;
    QAction* toolPointer = nullptr;
    QAction* toolLine = nullptr;
    QAction* toolRectangle = nullptr;
    QAction* tool3DArea = nullptr;
    QAction* toolText = nullptr;
    QAction* toolImage = nullptr;
    QAction* toolFormTextBox = nullptr;
    QAction* toolSendBack = nullptr;
    QAction* toolBringFront = nullptr;
    QLabel* zoomLabel = nullptr;
    QComboBox* zoomBox = nullptr;

    QActionGroup* languageGroup = nullptr;
    QList<QAction*> languageActions;

private:
    void createMenuActions(QMainWindow* window);
    void createEditActions(QMainWindow* window);
    void createViewActions(QMainWindow* window);
    void createInsertActions(QMainWindow* window);
    void createMenus(QMainWindow* window);
    void createDock(QMainWindow* window);
    QWidget* createZoomWidget(QWidget* parent);
};
