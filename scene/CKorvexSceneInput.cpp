#include "scene/CKorvexSceneInput.h"

#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexDesignerText.h"
#include "scene/CKorvexGridSnap.h"
#include "scene/CKorvexItemTypeIds.h"
#include "scene/CKorvexPropertyPanel.h"
#include "scene/CKorvexResizeHandle.h"
#include "scene/CKorvexResizeHandles.h"
#include "services/CKorvexPrompt.h"

#include <QGraphicsRectItem>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace {

// Selections from this many items are dragged without the scene's spatial index.
constexpr int largeDrag = 64;

} // namespace

CKorvexSceneInput::CKorvexSceneInput(CKorvexDesignerScene& scene)
    : m_scene(scene)
{
}

bool CKorvexSceneInput::isPageItem(const QGraphicsItem* item) const
{
    return item && item != m_scene.screen() && CKorvexDesignerItem::companionOf(item);
}

bool CKorvexSceneInput::isResizable(const QGraphicsItem* item)
{
    namespace Id = CKorvexItemTypeIds;
    const int type = item ? item->type() : 0;
    const bool resizableKind = type == Id::Rect || type == Id::Image || type == Id::FormTextBox;
    return resizableKind && dynamic_cast<const CKorvexDesignerRect*>(item);
}

bool CKorvexSceneInput::showContextMenu(QGraphicsSceneMouseEvent* event)
{
    QMenu* itemMenu = m_scene.itemMenu();
    QMenu* pageMenu = m_scene.pageMenu();
    QGraphicsItem* current = m_scene.currentItem();
    // A handle is neither the page nor an item: a right press on it shows no menu.
    if (current && current != m_scene.screen() && !CKorvexDesignerItem::companionOf(current))
        return false;
    QMenu* menu = pageMenu;
    if (isPageItem(current)) {
        if (!itemMenu || !pageMenu)
            return false;
        menu = CKorvexDesignerItem::companionOf(current)->isSelected() ? itemMenu : pageMenu;
    }
    if (!menu)
        return false;
    CKorvexPrompt::popup(*menu, event->screenPos());
    return true;
}

bool CKorvexSceneInput::mousePress(QGraphicsSceneMouseEvent* event)
{
    m_scene.saveViewStateAndTurnOffFlags();
    QGraphicsItem* current = m_scene.itemAt(event->scenePos(), QTransform());
    if (current == m_scene.rubberBand())
        current = nullptr;
    m_scene.setCurrentItem(current);
    if (event->button() == Qt::RightButton && showContextMenu(event))
        return false;
    CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(current);
    const bool onScreen = current && current == m_scene.screen();
    auto& selection = m_scene.context().selection();
    if (!onScreen && companion && selection.contains(companion) && !selection.isEmpty())
        m_scene.setDraggingSelection(true);
    if (!m_scene.isDraggingSelection())
        m_scene.deselectAll();
    // Pressing a handle shows the record of the item it resizes.
    const CKorvexResizeHandles* pressedHandles = CKorvexResizeHandles::of(current);
    m_scene.showInPanel(pressedHandles ? pressedHandles->target() : current);
    if (!onScreen && companion && companion->isSelected())
        m_scene.setDraggingSelection(true);

    const bool left = event->button() == Qt::LeftButton;
    if (left && !m_scene.creationType().isEmpty()) {
        m_scene.setModified();
        m_scene.createItem(m_scene.creationType(), event->scenePos());
    } else if (left && current && !onScreen) {
        pressWithPointer(event);
    } else if (!current || (left && onScreen)) {
        m_scene.setDraggingSelection(false);
        startRubberBand(event->scenePos());
    }
    m_scene.beginState(m_scene.gestureScope());
    indexForDrag();
    m_scene.update();
    event->accept();
    return true;
}

void CKorvexSceneInput::pressWithPointer(QGraphicsSceneMouseEvent* event)
{
    QGraphicsItem* current = m_scene.currentItem();
    CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(current);
    if (companion) {
        if (m_scene.isDraggingSelection()) {
            m_scene.selectItem(current, true);
            companion->mousePress(event);
            m_scene.context().setPressItem(current);
        } else {
            m_scene.deselectAll();
            m_scene.selectItem(current, true);
            companion->mousePress(event);
            m_scene.setDraggingSelection(false);
        }
    } else if (CKorvexResizeHandles::of(current)) {
        startHandleDrag(current);
    }
}

void CKorvexSceneInput::startRubberBand(const QPointF& position)
{
    m_scene.deselectAll();
    m_rubberBandActive = true;
    m_rubberBandOrigin = position;
    QGraphicsRectItem* band = m_scene.rubberBand();
    band->setZValue(1000000);
    band->setRect(QRectF(position, QSizeF()));
    band->show();
}

void CKorvexSceneInput::mouseMove(QGraphicsSceneMouseEvent* event)
{
    if (m_rubberBandActive)
        m_scene.rubberBand()->setRect(QRectF(m_rubberBandOrigin, event->scenePos()).normalized());
    if (!(event->buttons() & Qt::LeftButton))
        return;
    QGraphicsItem* current = m_scene.currentItem();
    // A pointer that wobbles within one grid cell changes nothing, so it is no edit.
    if (m_dragHandle >= 0) {
        const bool resized = continueHandleDrag(event->scenePos());
        m_scene.refreshPropertyPanel();
        if (resized)
            m_scene.setModified();
    } else if (isPageItem(current)) {
        const QPointF before = current->pos();
        if (m_scene.isDraggingSelection())
            dragSelection(event);
        else
            CKorvexDesignerItem::companionOf(current)->mouseMove(event);
        m_scene.showInPanel(current);
        if (current->pos() != before)
            m_scene.setModified();
    }
}

void CKorvexSceneInput::dragSelection(QGraphicsSceneMouseEvent* event)
{
    QGraphicsItem* pressItem = m_scene.context().pressItem();
    CKorvexDesignerItem* leader = CKorvexDesignerItem::companionOf(pressItem);
    if (!leader)
        return;
    const QPointF previous = leader->lastDragPosition();
    leader->mouseMove(event);
    const auto selection = m_scene.context().selection();
    for (CKorvexDesignerItem* other : selection) {
        if (other == leader || other->item() == m_scene.screen())
            continue;
        other->setLastDragPosition(previous);
        other->mouseMove(event);
    }
}

void CKorvexSceneInput::indexForDrag()
{
    // Each of a large selection's items and their handles would be filed anew in the scene's
    // spatial index at every step of the drag; filed once, after the release, costs one rebuild.
    if (m_scene.isDraggingSelection() && m_scene.context().selection().size() >= largeDrag)
        m_scene.setItemIndexMethod(QGraphicsScene::NoIndex);
}

void CKorvexSceneInput::mouseRelease(QGraphicsSceneMouseEvent*)
{
    if (m_scene.itemIndexMethod() != QGraphicsScene::BspTreeIndex)
        m_scene.setItemIndexMethod(QGraphicsScene::BspTreeIndex);
    m_scene.restoreViewState();
    m_scene.setDraggingSelection(false);
    if (m_rubberBandActive) {
        selectInRubberBand();
        m_scene.rubberBand()->hide();
        m_rubberBandActive = false;
    }
    if (m_scene.currentItem()) {
        if (m_dragHandle >= 0)
            finishHandleDrag();
        m_scene.endState();
    }
}

void CKorvexSceneInput::selectInRubberBand()
{
    const QRectF band = m_scene.rubberBand()->rect();
    QPainterPath area;
    area.addRect(band);
    const auto items = m_scene.pageItems();
    for (QGraphicsItem* item : items) {
        if (!item->isVisible())
            continue;
        bool hit = false;
        if (dynamic_cast<CKorvexDesignerText*>(item))
            hit = QRectF(item->scenePos(), item->boundingRect().size()).intersects(band);
        else
            hit = item->sceneTransform().map(item->shape()).intersects(area);
        if (hit)
            m_scene.selectItem(item, true);
    }
}

void CKorvexSceneInput::startHandleDrag(QGraphicsItem* handleItem)
{
    m_dragHandles = CKorvexResizeHandles::of(handleItem);
    m_dragHandle = m_dragHandles->indexOf(handleItem);
    QGraphicsItem* target = m_dragHandles->target();
    m_scene.selectItem(target, true);
    m_dragAnchor = handleItem->sceneBoundingRect().center();
    m_dragHandles->setActiveHandle(m_dragHandle);
    if (isResizable(target))
        dynamic_cast<CKorvexDesignerRect*>(target)->beginResize();
}

bool CKorvexSceneInput::continueHandleDrag(const QPointF& scenePosition)
{
    QGraphicsItem* target = m_dragHandles ? m_dragHandles->target() : nullptr;
    if (!target || !isResizable(target))
        return false;
    const QPointF pointer = CKorvexGridSnap::snap(scenePosition, m_scene.context().snapStep());
    QPointF delta = pointer - m_dragAnchor;
    m_dragAnchor = pointer;
    if (m_dragHandle == CKorvexResizeHandles::Top || m_dragHandle == CKorvexResizeHandles::Bottom)
        delta.setX(0);
    if (m_dragHandle == CKorvexResizeHandles::Left || m_dragHandle == CKorvexResizeHandles::Right)
        delta.setY(0);
    CKorvexResizeHandle* handle = m_dragHandles->handle(m_dragHandle);
    handle->moveBy(delta.x(), delta.y());
    dynamic_cast<CKorvexDesignerRect*>(target)->moveHandle(m_dragHandle, handle->sceneBoundingRect().center());
    if (CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(target))
        companion->takeGeometrySnapshot();
    m_dragHandles->place(m_dragHandle);
    return !delta.isNull();
}

void CKorvexSceneInput::finishHandleDrag()
{
    if (m_dragHandles) {
        m_dragHandles->setActiveHandle(-1);
        QGraphicsItem* target = m_dragHandles->target();
        if (isResizable(target))
            dynamic_cast<CKorvexDesignerRect*>(target)->endResize();
        m_dragHandles->place();
    }
    m_dragHandles = nullptr;
    m_dragHandle = -1;
}

void CKorvexSceneInput::mouseDoubleClick(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_scene.openItemEditor(m_scene.itemAt(event->scenePos(), QTransform()));
}

void CKorvexSceneInput::moveSelection(double dx, double dy)
{
    m_scene.beginState(m_scene.gestureScope());
    const auto selected = m_scene.selectedPageItems();
    for (QGraphicsItem* item : selected) {
        item->moveBy(dx, dy);
        CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item);
        companion->takeGeometrySnapshot();
        companion->placeHandles();
    }
    if (!selected.isEmpty())
        m_scene.setModified();
    m_scene.update();
    m_scene.endState();
    m_scene.showInPanel(m_scene.currentItem());
}

void CKorvexSceneInput::keyPress(QKeyEvent* event)
{
    m_scene.saveViewStateAndTurnOffFlags();
    switch (event->key()) {
    case Qt::Key_Delete:
        m_scene.deleteSelectedItems();
        break;
    case Qt::Key_G:
        m_scene.toggleGrid();
        break;
    case Qt::Key_Alt:
        m_scene.context().setSnappingSuspended(true);
        break;
    case Qt::Key_Up:
        moveSelection(0, -1);
        break;
    case Qt::Key_Down:
        moveSelection(0, 1);
        break;
    case Qt::Key_Left:
        moveSelection(-1, 0);
        break;
    case Qt::Key_Right:
        moveSelection(1, 0);
        break;
    default:
        break;
    }
    event->accept();
    m_scene.resetToPointerTool();
}

void CKorvexSceneInput::keyRelease(QKeyEvent* event)
{
    m_scene.restoreViewState();
    if (event->key() == Qt::Key_Alt)
        m_scene.context().setSnappingSuspended(false);
    event->accept();
    m_scene.endState();
}

bool CKorvexSceneInput::acceptsDrag(QGraphicsSceneDragDropEvent* event) const
{
    return event->mimeData() && event->mimeData()->hasText();
}

void CKorvexSceneInput::drop(QGraphicsSceneDragDropEvent* event)
{
    if (!acceptsDrag(event))
        return;
    event->acceptProposedAction();
    m_scene.setModified();
    m_scene.createItem(event->mimeData()->text().toLower(), event->scenePos());
}

void CKorvexSceneInput::cancelRubberBand()
{
    m_scene.rubberBand()->hide();
    m_rubberBandActive = false;
    m_dragHandles = nullptr;
    m_dragHandle = -1;
}
