#pragma once

#include "core/CKorvexUndoCommand.h"
#include "io/CKorvexDesignerProperty.h"
#include "undo/CKorvexErrorCodeForUndoCommand.h"

class QGraphicsItem;

namespace Korvex {
class CKorvexUndoGroupCommand;
}

/// Puts an item's (or the page's) property record back as it was before or after an edit.
class CKorvexUndoPropertiesChangeCommand : public Korvex::CKorvexUndoCommand
{
public:
    static CKorvexErrorCodeForUndoCommand Create(QGraphicsItem* item,
                                                 const CKorvexDesignerProperty& recordForUndo,
                                                 const CKorvexDesignerProperty& recordForRedo,
                                                 Korvex::CKorvexUndoGroupCommand* group);

    void Undo() override;
    void Redo() override;
    ~CKorvexUndoPropertiesChangeCommand() override;

private:
    CKorvexUndoPropertiesChangeCommand(QGraphicsItem* item, const CKorvexDesignerProperty& recordForUndo,
                                       const CKorvexDesignerProperty& recordForRedo);
    void apply(const CKorvexDesignerProperty& record);

    QGraphicsItem* m_item;
    CKorvexDesignerProperty m_recordForUndo;
    CKorvexDesignerProperty m_recordForRedo;
};
