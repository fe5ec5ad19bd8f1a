#pragma once

#include "core/CKorvexUndoCommand.h"
#include "undo/CKorvexErrorCodeForUndoCommand.h"

class QGraphicsItem;

namespace Korvex {
class CKorvexUndoGroupCommand;
}

/// Hides or shows an item: deletion and creation share it, only the flags differ.
class CKorvexUndoItemDeletedCommand : public Korvex::CKorvexUndoCommand
{
public:
    static CKorvexErrorCodeForUndoCommand Create(QGraphicsItem* item, bool deletedOnUndo,
                                                 bool deletedOnRedo,
                                                 Korvex::CKorvexUndoGroupCommand* group);

    void Undo() override;
    void Redo() override;
    ~CKorvexUndoItemDeletedCommand() override;

private:
    CKorvexUndoItemDeletedCommand(QGraphicsItem* item, bool deletedOnUndo, bool deletedOnRedo);
    void setDeleted(bool deleted);

    QGraphicsItem* m_item;
    bool m_deletedOnUndo;
    bool m_deletedOnRedo;
};
