#include "scene/CKorvexSceneItemMaker.h"

#include "core/CKorvexUndoGroupCommand.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexDesignerText.h"
#include "scene/CKorvexGridSnap.h"
#include "scene/CKorvexItemFactory.h"
#include "io/CKorvexPropertyKeys.h"
#include "scene/CKorvexPropertyPanel.h"
#include "undo/CKorvexUndoItemDeletedCommand.h"
#include "undo/CKorvexUndoPropertiesChangeCommand.h"

using Korvex::CKorvexUndoGroupCommand;

CKorvexSceneItemMaker::CKorvexSceneItemMaker(CKorvexDesignerScene& scene)
    : m_scene(scene)
{
}

CKorvexDesignerScreen* CKorvexSceneItemMaker::makeScreen()
{
    auto* screen = static_cast<CKorvexDesignerScreen*>(buildItem(CKorvexItemTypes::Screen));
    attachNewItem(screen, CKorvexItemTypes::Screen, QPointF(15, 15));
    // The page always stands at the origin, whatever the grid did to the creation point.
    screen->setPos(0, 0);
    screen->setZValue(0);
    m_scene.itemProperties(screen);
    return screen;
}

QGraphicsItem* CKorvexSceneItemMaker::buildItem(const QString& kind)
{
    QGraphicsItem* item = CKorvexItemFactory::createForTool(kind);
    if (auto* text = dynamic_cast<CKorvexDesignerText*>(item)) {
        CKorvexDesignerScene* scene = &m_scene;
        QObject::connect(text, &CKorvexDesignerText::selectedChange, scene,
                         [scene](QGraphicsItem*) { scene->refreshPropertyPanel(); });
    }
    return item;
}

void CKorvexSceneItemMaker::attachNewItem(QGraphicsItem* item, const QString& type, const QPointF& position)
{
    auto* companion = new CKorvexDesignerItem(&m_scene);
    m_scene.addItem(item);
    companion->attach(item, position);
    CKorvexDesignerProperty record;
    record.setValue(CKorvexPropertyKeys::Type, type);
    companion->setRecord(record);
}

QGraphicsItem* CKorvexSceneItemMaker::makeOrReuseItem(const QString& type, const QPointF& position)
{
    if (type == CKorvexItemTypes::Area3D && m_scene.has3DArea()) {
        QGraphicsItem* area = m_scene.find3DArea();
        dynamic_cast<CKorvexDeletableItem*>(area)->setDeleted(false);
        area->setPos(CKorvexGridSnap::snap(position, m_scene.context().snapStep()));
        return area;
    }
    QGraphicsItem* item = buildItem(CKorvexItemFactory::handlingKind(type));
    if (item)
        attachNewItem(item, type, position);
    return item;
}

QGraphicsItem* CKorvexSceneItemMaker::createItem(const QString& type, const QPointF& position)
{
    m_scene.setCursor(Qt::ArrowCursor);
    m_scene.deselectAll();
    m_scene.setDraggingSelection(false);
    if (!CKorvexItemFactory::isKnownType(type) || type == CKorvexItemTypes::Screen)
        return nullptr;
    // A state left open by a press on empty space would otherwise record this creation's
    // restacking as a step of its own after the creation.
    m_scene.endState();
    QGraphicsItem* reused = type == CKorvexItemTypes::Area3D && m_scene.has3DArea() ? m_scene.find3DArea() : nullptr;
    const CKorvexDesignerProperty before = reused ? m_scene.itemProperties(reused) : CKorvexDesignerProperty();
    QGraphicsItem* item = makeOrReuseItem(type, position);
    if (!item)
        return nullptr;
    m_scene.setCurrentItem(item);
    m_scene.selectItem(item, true);
    m_scene.itemProperties(item);
    CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item);
    companion->takeGeometrySnapshot();
    // The creating press is where a drag that follows it starts.
    companion->setLastDragPosition(item->pos());
    m_scene.showInPanel(item);
    m_scene.bringToFront();
    const QString kind = CKorvexItemFactory::handlingKind(type);
    if (m_scene.propertyWidget() && (kind == CKorvexItemTypes::Label || kind == CKorvexItemTypes::Image)) {
        m_scene.openItemEditor(item);
        m_scene.bringToFront();
    }
    if (reused)
        recordMove(item, before);
    else
        recordCreation(item);
    m_scene.resetToPointerTool();
    return item;
}

void CKorvexSceneItemMaker::recordCreation(QGraphicsItem* item, bool recordIsCurrent)
{
    // The record redo puts back must be the item as it stands now, stacking included; an item
    // just built from a record stands as that record says.
    if (!recordIsCurrent)
        m_scene.itemProperties(item);
    CKorvexUndoItemDeletedCommand::Create(item, true, false, CKorvexUndoGroupCommand::Create(m_scene.undoManager()));
}

void CKorvexSceneItemMaker::recordMove(QGraphicsItem* item, const CKorvexDesignerProperty& before)
{
    // The one 3D area came back to a new place: undo moves it back instead of hiding it.
    const CKorvexDesignerProperty now = m_scene.itemProperties(item);
    if (!before.matches(now))
        CKorvexUndoPropertiesChangeCommand::Create(item, before, now, CKorvexUndoGroupCommand::Create(m_scene.undoManager()));
}

bool CKorvexSceneItemMaker::addItemFromProperties(const CKorvexDesignerProperty& record)
{
    const QString type = record.value(CKorvexPropertyKeys::Type).toString();
    if (!CKorvexItemFactory::isKnownType(type))
        return false;
    if (type == CKorvexItemTypes::Screen) {
        m_scene.applyProperties(m_scene.screen(), record);
        m_scene.setCurrentItem(m_scene.screen());
        m_scene.showInPanel(m_scene.screen());
        return true;
    }
    if (type == CKorvexItemTypes::Area3D && m_scene.has3DArea())
        return true;
    QGraphicsItem* item = CKorvexItemFactory::createForRecord(type, true);
    auto* companion = new CKorvexDesignerItem(&m_scene);
    m_scene.addItem(item);
    companion->attach(item, QPointF());
    m_scene.applyProperties(item, record);
    m_scene.setCurrentItem(item);
    // A template read ends with nothing selected: selecting its items one by one would be undone.
    if (m_recordUndo) {
        m_scene.selectItem(item, true);
        companion->placeHandles();
    }
    m_scene.showInPanel(item);
    if (m_recordUndo)
        recordCreation(item, true);
    return true;
}

bool CKorvexSceneItemMaker::addItemsFromLines(const QStringList& lines, bool recordUndo)
{
    if (lines.size() < 2)
        return false;
    // Every item built is shown in the panel in turn; only the last one is ever seen.
    m_scene.holdPanel();
    m_recordUndo = recordUndo;
    const bool added = addBlocks(lines);
    m_recordUndo = true;
    m_scene.releasePanel();
    return added;
}

bool CKorvexSceneItemMaker::addBlocks(const QStringList& lines)
{
    int position = 0;
    while (position < lines.size()) {
        CKorvexDesignerProperty record;
        int next = position + 1;
        if (lines.at(position).trimmed() == QLatin1String("item begin")) {
            int end = next;
            while (end < lines.size() && lines.at(end).trimmed() != QLatin1String("item end"))
                ++end;
            record.fromItemLines(lines, next, end - next);
            next = end + 1;
        }
        if (!addItemFromProperties(record))
            return false;
        position = next;
    }
    return true;
}
