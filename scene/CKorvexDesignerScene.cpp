#include "scene/CKorvexDesignerScene.h"

#include "core/CKorvexUndoGroupCommand.h"
#include "core/CKorvexUndoManager.h"
#include "io/CKorvexPreviewWriter.h"
#include "io/CKorvexTemplateReader.h"
#include "io/CKorvexTemplateWriter.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexPreviewStaging.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexDesignerText.h"
#include "scene/CKorvexItemRecordApplier.h"
#include "scene/CKorvexItemRecordBuilder.h"
#include "io/CKorvexPropertyKeys.h"
#include "scene/CKorvexPropertyPanel.h"
#include "scene/CKorvexResizeHandles.h"
#include "scene/CKorvexSceneInput.h"
#include "scene/CKorvexSceneItemMaker.h"
#include "scene/CKorvexScenePageOperations.h"
#include "undo/CKorvexUndoPropertiesChangeCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QGraphicsRectItem>
#include <QGraphicsSceneDragDropEvent>
#include <QMenu>
#include <QGraphicsView>

using Korvex::CKorvexUndoGroupCommand;
using Korvex::CKorvexUndoManager;

CKorvexDesignerScene::CKorvexDesignerScene(QObject* parent, CKorvexUndoManager* history)
    : QGraphicsScene(parent)
    , m_undoManager(history ? history : &CKorvexUndoManager::getInstance())
    , m_input(std::make_unique<CKorvexSceneInput>(*this))
    , m_maker(std::make_unique<CKorvexSceneItemMaker>(*this))
{
    setSceneRect(0, 0, 500, 700);
    m_rubberBand = addRect(QRectF(), QPen(Qt::black), QBrush(QColor(20, 20, 20, 20)));
    m_rubberBand->hide();
    createScreen();
}

CKorvexDesignerScene::~CKorvexDesignerScene()
{
    // Commands hold pointers to items that die with the scene.
    m_undoManager->ClearHistory();
    forgetItemState();
    // Before the items: pictures are kept decoded, and after freeing thousands of items the
    // allocator would first sort all that memory out for the folder listings.
    removeTemporaryFolders();
    // Dropped whole, index and registry first: item by item, each would be searched for in them.
    m_context.companions().clear();
    clear();
    m_screen = nullptr;
    m_rubberBand = nullptr;
}

void CKorvexDesignerScene::createScreen()
{
    m_screen = m_maker->makeScreen();
    m_currentItem = m_screen;
}

void CKorvexDesignerScene::clearPage()
{
    m_input->cancelRubberBand();
    destroyAllItems();
    createScreen();
    m_currentItem = nullptr;
}

void CKorvexDesignerScene::clearPendingChanges()
{
    m_modified = false;
    if (m_propertyPanel)
        m_propertyPanel->setPendingChange(false);
}

bool CKorvexDesignerScene::choosePageSetup(CKorvexPageSetup& setup) const
{
    return m_pageSetupChooser && m_pageSetupChooser(setup);
}

QGraphicsItem* CKorvexDesignerScene::createItem(const QString& type, const QPointF& position)
{
    return m_maker->createItem(type, position);
}

bool CKorvexDesignerScene::addItemFromProperties(const CKorvexDesignerProperty& record)
{
    return m_maker->addItemFromProperties(record);
}

bool CKorvexDesignerScene::addItemsFromLines(const QStringList& lines)
{
    return m_maker->addItemsFromLines(lines);
}

void CKorvexDesignerScene::setCreationType(const QString& type)
{
    m_creationType = type;
    setCursor(type.isEmpty() ? Qt::ArrowCursor : Qt::CrossCursor);
}

void CKorvexDesignerScene::applyProperties(QGraphicsItem* item, const CKorvexDesignerProperty& record)
{
    CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item);
    if (!companion)
        return;
    const CKorvexDesignerProperty applied = CKorvexItemRecordApplier::apply(item, record, templateFolder());
    companion->setRecord(applied);
    if (item != m_screen)
        companion->takeGeometrySnapshot();
    companion->placeHandles();
}

CKorvexDesignerProperty CKorvexDesignerScene::itemProperties(QGraphicsItem* item)
{
    CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item);
    if (!companion)
        return CKorvexDesignerProperty();
    const CKorvexDesignerProperty stored = companion->hasRecord() ? companion->record() : CKorvexDesignerProperty();
    CKorvexDesignerProperty record = CKorvexItemRecordBuilder::build(item, stored);
    record.setOwner(companion);
    companion->setRecord(record);
    return record;
}

void CKorvexDesignerScene::setCurrentTemplatePath(const QString& path)
{
    m_currentTemplatePath = path;
    m_templateFolder = path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
}

QString CKorvexDesignerScene::templateFolder() const
{
    return m_templateFolder;
}

bool CKorvexDesignerScene::has3DArea() const
{
    const QGraphicsItem* area = find3DArea();
    const auto* deletable = dynamic_cast<const CKorvexDeletableItem*>(area);
    return deletable && !deletable->isDeleted();
}

QGraphicsItem* CKorvexDesignerScene::find3DArea() const
{
    const auto topFirst = items(Qt::DescendingOrder);
    for (QGraphicsItem* item : topFirst) {
        const CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item);
        if (companion && companion->recordType() == CKorvexItemTypes::Area3D)
            return item;
    }
    return nullptr;
}

void CKorvexDesignerScene::selectItem(QGraphicsItem* item, bool selected)
{
    if (CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item))
        companion->setSelected(selected);
}

void CKorvexDesignerScene::deselectAll()
{
    const auto selection = m_context.selection();
    for (CKorvexDesignerItem* companion : selection) {
        const auto* deletable = dynamic_cast<const CKorvexDeletableItem*>(companion->item());
        if (!deletable || !deletable->isDeleted())
            companion->setSelected(false);
    }
    m_context.selection().clear();
}

void CKorvexDesignerScene::ClearSelection()
{
    deselectAll();
    m_draggingSelection = false;
}

void CKorvexDesignerScene::refreshItems()
{
    const auto all = items();
    for (QGraphicsItem* item : all) {
        if (!CKorvexDesignerItem::companionOf(item))
            continue;
        if (auto* image = dynamic_cast<CKorvexDesignerImage*>(item))
            image->reloadPictures();
        else if (auto* text = dynamic_cast<CKorvexDesignerText*>(item))
            text->refreshFromDictionary();
    }
    if (m_screen && m_screen->backgroundImage())
        m_screen->backgroundImage()->reloadPictures();
    refreshPropertyPanel();
    update();
}

void CKorvexDesignerScene::updateHandleSizes()
{
    const double side = CKorvexResizeHandles::sideForGrid(m_context.gridSize());
    const auto companions = m_context.companions();
    for (CKorvexDesignerItem* companion : companions) {
        if (companion->item() && companion->item() != m_screen && companion->item()->scene() == this
            && companion->existingHandles())
            companion->existingHandles()->setHandleSide(side);
    }
    update();
}

void CKorvexDesignerScene::resetToPointerTool()
{
    emit pointerToolRequested();
}

QStringList CKorvexDesignerScene::usedFontFamilies(const QTextDocument* document)
{
    return CKorvexDesignerText::usedFontFamilies(document);
}

void CKorvexDesignerScene::showInPanel(QGraphicsItem* item)
{
    if (m_panelHolds > 0) {
        m_panelShowPending = true;
        m_panelPendingItem = item;
        return;
    }
    if (m_propertyPanel)
        m_propertyPanel->showProperties(itemProperties(item));
}

void CKorvexDesignerScene::holdPanel()
{
    ++m_panelHolds;
}

void CKorvexDesignerScene::releasePanel()
{
    if (m_panelHolds == 0 || --m_panelHolds > 0 || !m_panelShowPending)
        return;
    m_panelShowPending = false;
    showInPanel(m_panelPendingItem);
}

void CKorvexDesignerScene::refreshPropertyPanel()
{
    // An item hidden by undo or deleted leaves the panel empty rather than editing a ghost.
    QGraphicsItem* shown = m_currentItem && m_currentItem->scene() == this && m_currentItem->isVisible()
                               ? m_currentItem
                               : nullptr;
    showInPanel(shown);
}

void CKorvexDesignerScene::openItemEditor(QGraphicsItem* item)
{
    if (!m_propertyPanel || !CKorvexDesignerItem::companionOf(item))
        return;
    showInPanel(item);
    m_propertyPanel->openItemEditor();
}

void CKorvexDesignerScene::setItemMenu(QMenu* menu)
{
    m_itemMenu = menu;
}

void CKorvexDesignerScene::setPageMenu(QMenu* menu)
{
    m_pageMenu = menu;
}

QMenu* CKorvexDesignerScene::itemMenu() const
{
    return m_itemMenu;
}

QMenu* CKorvexDesignerScene::pageMenu() const
{
    return m_pageMenu;
}

QList<QGraphicsItem*> CKorvexDesignerScene::pageItems() const
{
    QList<QGraphicsItem*> result;
    const auto bottomFirst = items(Qt::AscendingOrder);
    for (QGraphicsItem* item : bottomFirst) {
        if (item != m_screen && CKorvexDesignerItem::companionOf(item))
            result.append(item);
    }
    return result;
}

QList<QGraphicsItem*> CKorvexDesignerScene::selectedPageItems() const
{
    QList<QGraphicsItem*> result;
    const auto all = pageItems();
    for (QGraphicsItem* item : all) {
        if (m_context.selection().contains(CKorvexDesignerItem::companionOf(item)))
            result.append(item);
    }
    return result;
}

void CKorvexDesignerScene::forgetItemSelection(QGraphicsItem* item)
{
    CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item);
    if (companion) {
        companion->setSelected(false);
        m_context.selection().remove(companion);
    }
    if (m_currentItem == item)
        m_currentItem = nullptr;
    update();
}

void CKorvexDesignerScene::rescaleItems()
{
    // Each item scales from its own snapshot, so repeated page changes do not add up errors.
    const auto all = pageItems();
    for (QGraphicsItem* item : all)
        CKorvexDesignerItem::companionOf(item)->rescaleToPage();
    update();
}

QList<CKorvexDesignerItem*> CKorvexDesignerScene::stateCompanions() const
{
    QList<CKorvexDesignerItem*> result;
    const auto registry = m_context.companions();
    for (CKorvexDesignerItem* companion : registry) {
        QGraphicsItem* item = companion->item();
        if (item && item != m_screen && item->scene() == this)
            result.append(companion);
    }
    // The page last: undone first, so items read their page size back before their own records.
    if (CKorvexDesignerItem* page = CKorvexDesignerItem::companionOf(m_screen))
        result.append(page);
    return result;
}

void CKorvexDesignerScene::beginState()
{
    if (m_inState)
        endState();
    m_inState = true;
    m_stateSnapshot.clear();
    const auto companions = stateCompanions();
    for (CKorvexDesignerItem* companion : companions)
        m_stateSnapshot.insert(companion, itemProperties(companion->item()));
}

void CKorvexDesignerScene::beginState(const QList<QGraphicsItem*>& scope)
{
    if (m_inState)
        endState();
    m_inState = true;
    m_stateSnapshot.clear();
    QList<QGraphicsItem*> snapshotted = scope;
    snapshotted.append(m_screen);
    for (QGraphicsItem* item : qAsConst(snapshotted)) {
        CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item);
        if (companion && item->scene() == this && !m_stateSnapshot.contains(companion))
            m_stateSnapshot.insert(companion, itemProperties(item));
    }
}

QList<QGraphicsItem*> CKorvexDesignerScene::gestureScope() const
{
    QList<QGraphicsItem*> scope;
    const auto selection = m_context.selection();
    for (CKorvexDesignerItem* companion : selection) {
        if (companion->item())
            scope.append(companion->item());
    }
    const CKorvexResizeHandles* pressed = CKorvexResizeHandles::of(m_currentItem);
    QGraphicsItem* current = pressed ? pressed->target() : m_currentItem;
    if (current && !scope.contains(current))
        scope.append(current);
    return scope;
}

void CKorvexDesignerScene::endState(CKorvexUndoGroupCommand* group)
{
    m_inState = false;
    CKorvexUndoGroupCommand* changes = nullptr;
    // In the registry's order, the page last, whatever was snapshotted.
    const auto companions = stateCompanions();
    for (CKorvexDesignerItem* companion : companions) {
        const auto before = m_stateSnapshot.constFind(companion);
        if (before == m_stateSnapshot.constEnd())
            continue;
        const CKorvexDesignerProperty now = itemProperties(companion->item());
        if (before->matches(now))
            continue;
        if (!changes)
            changes = group ? CKorvexUndoGroupCommand::Create(group) : CKorvexUndoGroupCommand::Create(*m_undoManager);
        CKorvexUndoPropertiesChangeCommand::Create(companion->item(), *before, now, changes);
    }
    m_stateSnapshot.clear();
}

void CKorvexDesignerScene::undo()
{
    m_inState = false;
    m_stateSnapshot.clear();
    // Each command of a step shows its item in the panel; only the last one is seen.
    holdPanel();
    m_undoManager->Undo();
    releasePanel();
}

void CKorvexDesignerScene::redo()
{
    m_inState = false;
    m_stateSnapshot.clear();
    holdPanel();
    m_undoManager->Redo();
    releasePanel();
}

void CKorvexDesignerScene::toggleGrid()
{
    if (m_screen)
        m_screen->toggleGrid();
    update();
}

void CKorvexDesignerScene::setCursor(Qt::CursorShape shape)
{
    const auto allViews = views();
    for (QGraphicsView* view : allViews)
        view->viewport()->setCursor(shape);
}

void CKorvexDesignerScene::saveViewStateAndTurnOffFlags()
{
    if (views().isEmpty())
        return;
    QGraphicsView* view = views().first();
    m_savedSmoothPixmap = view->renderHints().testFlag(QPainter::SmoothPixmapTransform);
    view->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void CKorvexDesignerScene::restoreViewState()
{
    if (!views().isEmpty())
        views().first()->setRenderHint(QPainter::SmoothPixmapTransform, m_savedSmoothPixmap);
}

QList<CKorvexDesignerProperty> CKorvexDesignerScene::writtenRecords()
{
    QList<CKorvexDesignerProperty> records;
    const QList<QGraphicsItem*> topFirst = items(Qt::DescendingOrder);
    for (auto it = topFirst.crbegin(); it != topFirst.crend(); ++it) {
        if (isWritten(*it))
            records.append(itemProperties(*it));
    }
    return records;
}

bool CKorvexDesignerScene::isWritten(const QGraphicsItem* item)
{
    const auto* deletable = dynamic_cast<const CKorvexDeletableItem*>(item);
    if (deletable && deletable->isDeleted())
        return false;
    const CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item);
    return companion && item->isVisible() && companion->hasRecord();
}

bool CKorvexDesignerScene::writeTemplate(const QString& targetPath)
{
    if (!writeTemplateCopy(targetPath))
        return false;
    m_currentItem = nullptr;
    clearPendingChanges();
    return true;
}

bool CKorvexDesignerScene::readTemplate(const QString& path)
{
    CKorvexTemplateReader reader;
    const bool read = reader.read(path);
    if (!reader.workingFolder().isEmpty())
        addTemporaryFolder(reader.workingFolder());
    setCurrentTemplatePath(reader.textPath());
    if (!read)
        return false;
    if (reader.version())
        m_context.setTemplateReadVersion(reader.version());
    // A read is no edit to undo: its history is cleared once it is done.
    if (!m_maker->addItemsFromLines(reader.keptLines(), false))
        return false;
    finishTemplateRead();
    return true;
}

bool CKorvexDesignerScene::writeTemplateCopy(const QString& targetPath)
{
    CKorvexTemplateWriter writer(writtenRecords());
    return writer.write(targetPath, [this](const QString& textPath) { return writePreview(textPath); });
}

void CKorvexDesignerScene::finishTemplateRead()
{
    ClearSelection();
    clearPendingChanges();
    showInPanel(nullptr);
    showInPanel(m_screen);
    m_undoManager->ClearHistory();
}

bool CKorvexDesignerScene::writePreview(const QString& textFilePath)
{
    if (!m_screen)
        return false;
    CKorvexPreviewStaging staging(*this);
    const QRectF page(m_screen->scenePos(), QSizeF(m_screen->width(), m_screen->height()));
    // 130 pixels need no picture smoothly scaled to each item's size first.
    m_context.setDrawingThumbnail(true);
    const bool written = CKorvexPreviewWriter::write(*this, page, textFilePath);
    m_context.setDrawingThumbnail(false);
    return written;
}

void CKorvexDesignerScene::removeTemporaryFolders()
{
    for (const QString& folder : qAsConst(m_temporaryFolders))
        QDir(folder).removeRecursively();
    m_temporaryFolders.clear();
}

void CKorvexDesignerScene::forgetItemState()
{
    deselectAll();
    m_currentItem = nullptr;
    m_context.setPressItem(nullptr);
    m_stateSnapshot.clear();
    m_inState = false;
    // Every item goes: none is left to follow its selection, and one by one the set would shrink slowly.
    m_context.forgetHandleSyncs();
}

void CKorvexDesignerScene::destroyAllItems()
{
    forgetItemState();
    // Newest first: each companion leaves the end of the registry, so a page of any size goes quickly.
    const QList<CKorvexDesignerItem*> companions = m_context.companions();
    for (auto it = companions.crbegin(); it != companions.crend(); ++it) {
        QGraphicsItem* item = (*it)->item();
        if (!item || item->scene() != this)
            continue;
        CKorvexDesignerItem::destroyCompanionOf(item);
        delete item;
    }
    m_screen = nullptr;
}

void CKorvexDesignerScene::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (m_input->mousePress(event))
        QGraphicsScene::mousePressEvent(event);
    // Every press belongs to the page, whether an item took it or a menu did.
    event->accept();
}

void CKorvexDesignerScene::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    m_input->mouseMove(event);
    QGraphicsScene::mouseMoveEvent(event);
}

void CKorvexDesignerScene::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    m_input->mouseRelease(event);
    QGraphicsScene::mouseReleaseEvent(event);
}

void CKorvexDesignerScene::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    m_input->mouseDoubleClick(event);
    QGraphicsScene::mouseDoubleClickEvent(event);
}

void CKorvexDesignerScene::keyPressEvent(QKeyEvent* event)
{
    // Keys never reach the items: text is edited in its own editor.
    m_input->keyPress(event);
}

void CKorvexDesignerScene::keyReleaseEvent(QKeyEvent* event)
{
    m_input->keyRelease(event);
}

void CKorvexDesignerScene::dragEnterEvent(QGraphicsSceneDragDropEvent* event)
{
    event->setAccepted(m_input->acceptsDrag(event));
}

void CKorvexDesignerScene::dragMoveEvent(QGraphicsSceneDragDropEvent* event)
{
    event->setAccepted(m_input->acceptsDrag(event));
}

void CKorvexDesignerScene::dropEvent(QGraphicsSceneDragDropEvent* event)
{
    m_input->drop(event);
}

void CKorvexDesignerScene::sendToBack()
{
    beginState();
    CKorvexScenePageOperations::restack(*this, false);
    endState();
}

void CKorvexDesignerScene::bringToFront()
{
    CKorvexScenePageOperations::restack(*this, true);
}

void CKorvexDesignerScene::copySelectedItems()
{
    CKorvexScenePageOperations::copy(*this);
}

void CKorvexDesignerScene::pasteSelectedItems()
{
    CKorvexScenePageOperations::paste(*this);
}

void CKorvexDesignerScene::deleteSelectedItems()
{
    CKorvexScenePageOperations::deleteSelection(*this);
}

void CKorvexDesignerScene::setPageSetupChooser(CKorvexPageSetupChooser chooser)
{
    m_pageSetupChooser = std::move(chooser);
}

CKorvexPageSetup CKorvexDesignerScene::pageSetup() const
{
    CKorvexPageSetup setup;
    setup.width = m_screen->width();
    setup.height = m_screen->height();
    setup.pageSizeType = m_screen->pageSizeType();
    setup.dpi = m_screen->dpi();
    return setup;
}

void CKorvexDesignerScene::applyPageSetup(const CKorvexPageSetup& setup)
{
    m_screen->setDpi(setup.dpi);
    m_screen->setPageSizeType(setup.pageSizeType);
    m_screen->setWidth(setup.width);
    m_screen->setHeight(setup.height);
}

bool CKorvexDesignerScene::resetPage(bool askForPageSize)
{
    return CKorvexScenePageOperations::resetPage(*this, askForPageSize);
}
