#include "core/CKorvexUndoCommand.h"

#include "core/CKorvexUndoGroupCommand.h"
#include "core/CKorvexUndoManager.h"

namespace Korvex {

CKorvexUndoCommand::CKorvexUndoCommand(bool alreadyDone)
    : m_alreadyDone(alreadyDone)
{
}

CKorvexUndoCommand::~CKorvexUndoCommand() = default;

bool CKorvexUndoCommand::Store(std::unique_ptr<CKorvexUndoCommand> command, CKorvexUndoGroupCommand* group)
{
    CKorvexUndoManager& manager = group ? group->Manager() : CKorvexUndoManager::getInstance();
    if (!command || manager.IsBusy())
        return false;
    if (!group)
        group = CKorvexUndoGroupCommand::Create(manager);
    if (!command->m_alreadyDone)
        command->Redo();
    group->append(std::move(command));
    return true;
}

} // namespace Korvex
