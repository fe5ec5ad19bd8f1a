#include "undo/CKorvexUndoItemDeletedCommand.h"

#include "core/CKorvexUndoGroupCommand.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScene.h"
#include "undo/CKorvexUndoPropertiesChangeCommand.h"

#include <QGraphicsItem>
#include <memory>

CKorvexUndoItemDeletedCommand::CKorvexUndoItemDeletedCommand(QGraphicsItem* item, bool deletedOnUndo,
                                                             bool deletedOnRedo)
    : CKorvexUndoCommand(true)
    , m_item(item)
    , m_deletedOnUndo(deletedOnUndo)
    , m_deletedOnRedo(deletedOnRedo)
{
}

CKorvexUndoItemDeletedCommand::~CKorvexUndoItemDeletedCommand() = default;

CKorvexErrorCodeForUndoCommand CKorvexUndoItemDeletedCommand::Create(
    QGraphicsItem* item, bool deletedOnUndo, bool deletedOnRedo, Korvex::CKorvexUndoGroupCommand* group)
{
    if (!item)
        return CKorvexErrorCodeForUndoCommand::failure("GraphicsItem is null for CKorvexUndoItemDeletedCommand");
    auto* own = Korvex::CKorvexUndoGroupCommand::Create(group);
    Store(std::unique_ptr<CKorvexUndoItemDeletedCommand>(
              new CKorvexUndoItemDeletedCommand(item, deletedOnUndo, deletedOnRedo)),
          own);
    // Undo and redo also put the item's properties back as they are now.
    if (const CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item)) {
        const CKorvexDesignerProperty record = companion->record();
        CKorvexUndoPropertiesChangeCommand::Create(item, record, record, own);
    }
    return CKorvexErrorCodeForUndoCommand();
}

void CKorvexUndoItemDeletedCommand::Undo()
{
    setDeleted(m_deletedOnUndo);
}

void CKorvexUndoItemDeletedCommand::Redo()
{
    setDeleted(m_deletedOnRedo);
}

void CKorvexUndoItemDeletedCommand::setDeleted(bool deleted)
{
    auto* deletable = dynamic_cast<CKorvexDeletableItem*>(m_item);
    if (!deletable || !CKorvexDesignerItem::companionOf(m_item))
        return;
    m_item->setVisible(!deleted);
    m_item->setEnabled(!deleted);
    if (auto* scene = qobject_cast<CKorvexDesignerScene*>(m_item->scene()))
        scene->forgetItemSelection(m_item);
    deletable->setDeleted(deleted);
}
