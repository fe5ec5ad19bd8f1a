#include "app/DesignerMainWindow.h"

#include "app/CKorvexAboutDialog.h"
#include "app/CKorvexDocumentCommands.h"
#include "app/CKorvexPageSizePrompt.h"
#include "app/CKorvexRecovery.h"
#include "app/CKorvexToolSwitcher.h"
#include "app/CKorvexZoomController.h"
#include "core/CKorvexUndoGroupCommand.h"
#include "dictionary/CKorvexDictionaryTableWidget.h"
#include "properties/CKorvexPreferences.h"
#include "properties/CKorvexPropertyWidget.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexPropertyPanel.h"
#include "services/CKorvexLanguageService.h"
#include "services/CKorvexProductInfo.h"
#include "services/CKorvexPrompt.h"
#include "services/CKorvexRecentFiles.h"
#include "undo/CKorvexUndPageSizeChangedCommand.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QMenu>
#include <QSettings>
#include <QToolBar>

namespace {

const QString designerGroup = QStringLiteral("Designer");

const QString viewStyleSheet = QStringLiteral(
    "QGraphicsView { background: QLinearGradient(x1: 0, y1: 0, x2: 0, y2: 1, "
    "stop: 0 rgb(230,230,240), stop: 1 rgb(255,255,255)); }");

} // namespace

DesignerMainWindow::DesignerMainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    m_ui.setupUi(this);
    m_scene = new CKorvexDesignerScene(this);
    m_scene->setPropertyWidget(m_ui.propertyWidget);
    m_ui.propertyWidget->setScene(m_scene);
    m_scene->setPageSetupChooser([this](CKorvexPageSetup& setup) { return CKorvexPageSizePrompt::choose(this, setup); });
    m_document = std::make_unique<CKorvexDocumentCommands>(*this);
    m_recovery = std::make_unique<CKorvexRecovery>(*this, *m_document);
    m_pageMenu = m_ui.setupPageMenu(this);
    m_scene->setItemMenu(m_ui.menuEdit);
    m_scene->setPageMenu(m_pageMenu);
    createView();
    setWindowTitle(untitledTitle());
    m_ui.setupToolBar(this);
    m_tools = std::make_unique<CKorvexToolSwitcher>(m_ui.toolPointer, m_scene);
    m_tools->setToolBarActions(m_ui.toolBarActions());
    createLanguageMenu();
    connectMenuActions();
    connectToolActions();
    connectViewActions();
    refreshRecentFiles();

    const auto settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(designerGroup);
    m_ui.actionGrid_2->setChecked(settings->value(QStringLiteral("isGridShown"), false).toBool());
}

DesignerMainWindow::~DesignerMainWindow()
{
    // The dock reports its hiding while the base class tears the widgets down.
    disconnect(m_ui.propertyDockWidget, nullptr, this, nullptr);
}

void DesignerMainWindow::createView()
{
    m_view = new QGraphicsView(m_scene, m_ui.centralWidget);
    m_view->setObjectName(QStringLiteral("graphicsView"));
    m_view->setStyleSheet(viewStyleSheet);
    m_view->setCacheMode(QGraphicsView::CacheBackground);
    m_view->setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    m_view->setAcceptDrops(true);
    CKorvexZoomController::applyRenderHints(*m_view, m_zoomPercent);
    m_ui.centralLayout->addWidget(m_view);
}

QString DesignerMainWindow::untitledTitle() const
{
    return CKorvexProductInfo::applicationName() + QStringLiteral(" - ") + tr("New Template");
}

void DesignerMainWindow::createLanguageMenu()
{
    const CKorvexLanguageService& service = CKorvexLanguageService::instance();
    m_ui.setupLanguageMenu(service.languages(), service.currentLanguage());
    for (QAction* action : qAsConst(m_ui.languageActions))
        connect(action, &QAction::toggled, this, &DesignerMainWindow::languageChanged);
}

void DesignerMainWindow::connectMenuActions()
{
    connectFileActions();
    connectEditActions();
    connect(m_ui.actionAbout, &QAction::triggered, this, &DesignerMainWindow::onAbout);
    connect(m_ui.actionLine, &QAction::triggered, m_ui.toolLine, &QAction::trigger);
    connect(m_ui.actionRectangle, &QAction::triggered, m_ui.toolRectangle, &QAction::trigger);
    connect(m_ui.action3D_Area, &QAction::triggered, m_ui.tool3DArea, &QAction::trigger);
    connect(m_ui.actionText, &QAction::triggered, m_ui.toolText, &QAction::trigger);
    connect(m_ui.actionImage, &QAction::triggered, m_ui.toolImage, &QAction::trigger);
    connect(m_ui.actionFormTextBox, &QAction::triggered, m_ui.toolFormTextBox, &QAction::trigger);
}

void DesignerMainWindow::connectFileActions()
{
    connect(m_ui.actionNew, &QAction::triggered, this, &DesignerMainWindow::onNew);
    connect(m_ui.actionOpen, &QAction::triggered, this, &DesignerMainWindow::onOpen);
    connect(m_ui.actionSave, &QAction::triggered, this, &DesignerMainWindow::onSave);
    connect(m_ui.actionSave_As, &QAction::triggered, this, &DesignerMainWindow::onSaveAs);
    connect(m_ui.actionExport, &QAction::triggered, this, &DesignerMainWindow::onExport);
    connect(m_ui.actionPage_Size, &QAction::triggered, this, &DesignerMainWindow::onPageSize);
    connect(m_ui.actionExit, &QAction::triggered, this, &DesignerMainWindow::onExit);
    connect(m_ui.toolNewFile, &QAction::triggered, this, &DesignerMainWindow::onNew);
    connect(m_ui.toolOpenFile, &QAction::triggered, this, &DesignerMainWindow::onOpen);
    connect(m_ui.toolSaveFile, &QAction::triggered, this, &DesignerMainWindow::onSave);
}

void DesignerMainWindow::connectEditActions()
{
    connect(m_ui.actionCut, &QAction::triggered, this, &DesignerMainWindow::onCut);
    connect(m_ui.actionCopy, &QAction::triggered, this, &DesignerMainWindow::onCopy);
    connect(m_ui.actionPaste, &QAction::triggered, this, &DesignerMainWindow::onPaste);
    connect(m_ui.actionDelete, &QAction::triggered, this, &DesignerMainWindow::onDelete);
    connect(m_ui.actionSend_To_Back, &QAction::triggered, this, &DesignerMainWindow::onSendToBack);
    connect(m_ui.actionBring_To_Front, &QAction::triggered, this, &DesignerMainWindow::onBringToFront);
    connect(m_ui.toolSendBack, &QAction::triggered, this, &DesignerMainWindow::onSendToBack);
    connect(m_ui.toolBringFront, &QAction::triggered, this, &DesignerMainWindow::onBringToFront);
    connect(m_ui.actionUndo, &QAction::triggered, this, &DesignerMainWindow::onUndo);
    connect(m_ui.actionRedo, &QAction::triggered, this, &DesignerMainWindow::onRedo);
    connect(m_ui.actionDictionary, &QAction::triggered, this, &DesignerMainWindow::onDictionary);
    connect(m_ui.actionPreferences, &QAction::triggered, this, &DesignerMainWindow::onPreferences);
}

void DesignerMainWindow::connectToolActions()
{
    connect(m_ui.toolPointer, &QAction::toggled, this, &DesignerMainWindow::onPointerActionToggled);
    connect(m_ui.toolLine, &QAction::toggled, this, &DesignerMainWindow::onLineActionToggled);
    connect(m_ui.toolRectangle, &QAction::toggled, this, &DesignerMainWindow::onRectActionToggled);
    connect(m_ui.tool3DArea, &QAction::toggled, this, &DesignerMainWindow::on3DAreaActionToggled);
    connect(m_ui.toolText, &QAction::toggled, this, &DesignerMainWindow::onLableActionToggled);
    connect(m_ui.toolImage, &QAction::toggled, this, &DesignerMainWindow::onImageActionToggled);
    connect(m_ui.toolFormTextBox, &QAction::toggled, this, &DesignerMainWindow::onFormTextBoxActionToggled);
    connect(m_scene, &CKorvexDesignerScene::pointerToolRequested, this,
            [this] { onPointerActionToggled(true); });
}

void DesignerMainWindow::connectViewActions()
{
    connect(m_ui.zoomBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DesignerMainWindow::onZoomBoxChanged);
    connect(m_ui.actionZoom_In, &QAction::triggered, this, &DesignerMainWindow::zoomInTrigger);
    connect(m_ui.actionZoom_Out, &QAction::triggered, this, &DesignerMainWindow::zoomOutTrigger);
    connect(m_ui.actionProperties, &QAction::toggled, m_ui.propertyDockWidget, &QDockWidget::setVisible);
    connect(m_ui.propertyDockWidget, &QDockWidget::visibilityChanged, this,
            &DesignerMainWindow::dockWidgetVisibilityChanged);
    connect(m_ui.actionTool_bar, &QAction::toggled, m_ui.toolBar, &QToolBar::setVisible);
    connect(m_ui.actionGrid_2, &QAction::triggered, this, &DesignerMainWindow::gridTriggered);
}

void DesignerMainWindow::readSettings()
{
    const auto settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(designerGroup);
    m_openPath = settings->value(QStringLiteral("openpath")).toString();
    m_savePath = settings->value(QStringLiteral("savepath")).toString();
    m_packageSavePath = settings->value(QStringLiteral("packagesavepath")).toString();
    const QByteArray geometry = settings->value(QStringLiteral("geometry")).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        setGeometry(100, 100, 800, 800);
    updateGeometry();
}

void DesignerMainWindow::writeSettings() const
{
    const auto settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(designerGroup);
    settings->setValue(QStringLiteral("openpath"), m_openPath);
    settings->setValue(QStringLiteral("savepath"), m_savePath);
    settings->setValue(QStringLiteral("packagesavepath"), m_packageSavePath);
    settings->setValue(QStringLiteral("geometry"), saveGeometry());
}

void DesignerMainWindow::setDocumentPaths(const QString& path)
{
    m_openPath = path;
    m_savePath = path;
}

void DesignerMainWindow::setDirty(bool dirty)
{
    m_dirty = dirty;
}

bool DesignerMainWindow::isModified() const
{
    const CKorvexPropertyPanel* panel = m_scene->propertyWidget();
    return m_dirty || m_scene->isModified() || (panel && panel->hasPendingChange());
}

void DesignerMainWindow::onNew()
{
    m_document->newDocument();
}

void DesignerMainWindow::onOpen()
{
    m_document->open();
}

void DesignerMainWindow::openTemplateFile(const QString& path)
{
    m_document->openPath(path);
}

void DesignerMainWindow::onSave()
{
    m_document->save();
}

void DesignerMainWindow::onSaveAs()
{
    m_document->saveAs();
}

void DesignerMainWindow::onExport()
{
    m_document->exportPage();
}

void DesignerMainWindow::refreshRecentFiles()
{
    QMenu* menu = m_ui.menuOpen_Recent;
    // The action that opened a file may be among these: it goes once its signal has returned.
    const auto old = menu->actions();
    for (QAction* action : old) {
        menu->removeAction(action);
        action->deleteLater();
    }
    const QStringList files = CKorvexRecentFiles::files();
    for (int index = 0; index < files.size(); ++index) {
        const QString& path = files.at(index);
        const QString shortcut = (index < 9 ? QStringLiteral("&") : QString()) + QString::number(index + 1);
        QAction* action = menu->addAction(shortcut + QLatin1Char(' ') +
                                          QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
        connect(action, &QAction::triggered, this, [this, path] { m_document->openRecent(path); });
    }
    menu->setEnabled(!files.isEmpty());
}

void DesignerMainWindow::onExit()
{
    close();
}

void DesignerMainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_document->mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    m_recovery->discard();
    QCoreApplication::exit(0);
}

void DesignerMainWindow::onPageSize()
{
    m_scene->beginState();
    CKorvexDesignerScreen* screen = m_scene->screen();
    CKorvexPageSetup setup = m_scene->pageSetup();
    if (!CKorvexPageSizePrompt::choose(this, setup)) {
        m_scene->endState();
        return;
    }
    const double oldWidth = screen->width();
    const double oldHeight = screen->height();
    screen->setDpi(setup.dpi);
    screen->setPageSizeType(setup.pageSizeType);
    // Only a new width counts as a change of the document; a new height alone does not.
    if (qAbs(setup.width - oldWidth) > 0.000001)
        setDirty();
    screen->setWidth(setup.width);
    screen->setHeight(setup.height);
    m_scene->rescaleItems();
    zoomToFit();
    auto* group = Korvex::CKorvexUndoGroupCommand::Create(m_scene->undoManager());
    CKorvexUndPageSizeChangedCommand::Create(m_scene, oldWidth, oldHeight, setup.width, setup.height, group);
    m_scene->endState(group);
}

void DesignerMainWindow::onCut()
{
    m_scene->copySelectedItems();
    m_scene->deleteSelectedItems();
}

void DesignerMainWindow::onCopy()
{
    m_scene->copySelectedItems();
}

void DesignerMainWindow::onPaste()
{
    setDirty();
    m_scene->pasteSelectedItems();
}

void DesignerMainWindow::onDelete()
{
    m_scene->deleteSelectedItems();
}

void DesignerMainWindow::onSendToBack()
{
    m_scene->sendToBack();
}

void DesignerMainWindow::onBringToFront()
{
    m_scene->bringToFront();
}

void DesignerMainWindow::onUndo()
{
    m_scene->undo();
    m_scene->refreshItems();
    m_scene->updateHandleSizes();
}

void DesignerMainWindow::onRedo()
{
    m_scene->redo();
    m_scene->refreshItems();
    m_scene->updateHandleSizes();
}

void DesignerMainWindow::onDictionary()
{
    CKorvexDictionaryTableWidget dialog(this);
    CKorvexPrompt::exec(dialog);
    m_scene->refreshItems();
}

void DesignerMainWindow::onPreferences()
{
    CKorvexPreferences dialog(this);
    CKorvexPrompt::exec(dialog);
    m_scene->updateHandleSizes();
}

void DesignerMainWindow::gridTriggered()
{
    m_scene->toggleGrid();
}

void DesignerMainWindow::onAbout()
{
    CKorvexAboutDialog dialog(this);
    CKorvexPrompt::exec(dialog);
}

void DesignerMainWindow::onPointerActionToggled(bool checked)
{
    m_tools->onToolToggled(m_ui.toolPointer, checked, QString());
}

void DesignerMainWindow::onLineActionToggled(bool checked)
{
    m_tools->onToolToggled(m_ui.toolLine, checked, QStringLiteral("line"));
}

void DesignerMainWindow::onRectActionToggled(bool checked)
{
    m_tools->onToolToggled(m_ui.toolRectangle, checked, QStringLiteral("rect"));
}

void DesignerMainWindow::on3DAreaActionToggled(bool checked)
{
    if (checked && m_scene->has3DArea()) {
        CKorvexPrompt::information(this, tr("3D Area"), tr("Currently we do not support more than one 3d-area."));
        m_tools->uncheckAllButPointer();
        return;
    }
    m_tools->onToolToggled(m_ui.tool3DArea, checked, QStringLiteral("3d area"));
}

void DesignerMainWindow::onLableActionToggled(bool checked)
{
    m_tools->onToolToggled(m_ui.toolText, checked, QStringLiteral("label"));
}

void DesignerMainWindow::onImageActionToggled(bool checked)
{
    m_tools->onToolToggled(m_ui.toolImage, checked, QStringLiteral("image"));
}

void DesignerMainWindow::onFormTextBoxActionToggled(bool checked)
{
    m_tools->onToolToggled(m_ui.toolFormTextBox, checked, QStringLiteral("form_text_box"));
}

void DesignerMainWindow::zoomInTrigger()
{
    QComboBox* box = m_ui.zoomBox;
    box->setCurrentIndex(CKorvexZoomController::nextIndex(box->currentIndex(), box->count()));
    m_scene->updateHandleSizes();
}

void DesignerMainWindow::zoomOutTrigger()
{
    QComboBox* box = m_ui.zoomBox;
    box->setCurrentIndex(CKorvexZoomController::previousIndex(box->currentIndex()));
    m_scene->updateHandleSizes();
}

void DesignerMainWindow::onZoomBoxChanged(int index)
{
    const int percent = CKorvexZoomController::percentFromText(m_ui.zoomBox->itemText(index));
    if (percent <= 0)
        return;
    CKorvexZoomController::rescale(*m_view, m_zoomPercent, percent);
    m_zoomPercent = percent;
    m_scene->context().setZoomCompensation(CKorvexDesignerContext::zoomCompensationForPercent(percent));
    m_scene->updateHandleSizes();
    CKorvexZoomController::applyRenderHints(*m_view, percent);
}

void DesignerMainWindow::zoomToFit()
{
    const double ratio = CKorvexZoomController::fitRatio(m_scene->sceneRect().size(), m_view->viewport()->size());
    const int index = m_ui.zoomBox->findText(CKorvexZoomController::fitEntry(ratio));
    if (index >= 0)
        m_ui.zoomBox->setCurrentIndex(index);
}

void DesignerMainWindow::dockWidgetVisibilityChanged(bool visible)
{
    if (!isMinimized())
        m_ui.actionProperties->setChecked(visible);
}

void DesignerMainWindow::languageChanged(bool checked)
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!checked || !action)
        return;
    CKorvexLanguageService::setChosenLanguage(action->text());
    CKorvexPrompt::warning(this, tr("Language"), tr("Language change will be applied next time the designer runs."));
}

void DesignerMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void DesignerMainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void DesignerMainWindow::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
}
