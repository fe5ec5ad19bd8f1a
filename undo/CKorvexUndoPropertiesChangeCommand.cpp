#include "undo/CKorvexUndoPropertiesChangeCommand.h"

#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScene.h"

#include <QGraphicsItem>
#include <memory>

CKorvexUndoPropertiesChangeCommand::CKorvexUndoPropertiesChangeCommand(
    QGraphicsItem* item, const CKorvexDesignerProperty& recordForUndo,
    const CKorvexDesignerProperty& recordForRedo)
    : CKorvexUndoCommand(true)
    , m_item(item)
    , m_recordForUndo(recordForUndo)
    , m_recordForRedo(recordForRedo)
{
}

CKorvexUndoPropertiesChangeCommand::~CKorvexUndoPropertiesChangeCommand() = default;

CKorvexErrorCodeForUndoCommand CKorvexUndoPropertiesChangeCommand::Create(
    QGraphicsItem* item, const CKorvexDesignerProperty& recordForUndo,
    const CKorvexDesignerProperty& recordForRedo, Korvex::CKorvexUndoGroupCommand* group)
{
    if (!item)
        return CKorvexErrorCodeForUndoCommand::failure("GraphicsItem is null for CKorvexUndoPropertiesChangeCommand");
    Store(std::unique_ptr<CKorvexUndoPropertiesChangeCommand>(
              new CKorvexUndoPropertiesChangeCommand(item, recordForUndo, recordForRedo)),
          group);
    return CKorvexErrorCodeForUndoCommand();
}

void CKorvexUndoPropertiesChangeCommand::Undo()
{
    apply(m_recordForUndo);
}

void CKorvexUndoPropertiesChangeCommand::Redo()
{
    apply(m_recordForRedo);
}

void CKorvexUndoPropertiesChangeCommand::apply(const CKorvexDesignerProperty& record)
{
    if (!CKorvexDesignerItem::companionOf(m_item))
        return;
    auto* scene = qobject_cast<CKorvexDesignerScene*>(m_item->scene());
    if (!scene)
        return;
    scene->context().beginOwnRecords();
    scene->applyProperties(m_item, record);
    scene->context().endOwnRecords();
    scene->refreshPropertyPanel();
}
