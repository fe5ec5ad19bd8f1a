#include "core/CKorvexUndoGroupCommand.h"

#include "core/CKorvexUndoManager.h"

namespace Korvex {

CKorvexUndoGroupCommand::CKorvexUndoGroupCommand(CKorvexUndoGroupCommand* parent)
    : CKorvexUndoCommand(true)
    , m_parent(parent)
{
}

CKorvexUndoGroupCommand::~CKorvexUndoGroupCommand() = default;

CKorvexUndoGroupCommand* CKorvexUndoGroupCommand::Create(CKorvexUndoGroupCommand* parent)
{
    std::unique_ptr<CKorvexUndoGroupCommand> group(new CKorvexUndoGroupCommand(parent));
    CKorvexUndoGroupCommand* created = group.get();
    if (parent)
        parent->m_children.push_back(std::move(group));
    else
        CKorvexUndoManager::getInstance().adoptPending(std::move(group));
    return created;
}

void CKorvexUndoGroupCommand::Undo()
{
    for (auto child = m_children.rbegin(); child != m_children.rend(); ++child)
        (*child)->Undo();
}

void CKorvexUndoGroupCommand::Redo()
{
    for (auto& child : m_children)
        child->Redo();
}

CKorvexUndoGroupCommand* CKorvexUndoGroupCommand::root()
{
    CKorvexUndoGroupCommand* group = this;
    while (group->m_parent)
        group = group->m_parent;
    return group;
}

void CKorvexUndoGroupCommand::append(std::unique_ptr<CKorvexUndoCommand> command)
{
    m_children.push_back(std::move(command));
    if (markHasCommands())
        CKorvexUndoManager::getInstance().rootFilled(root());
}

bool CKorvexUndoGroupCommand::markHasCommands()
{
    bool rootWasEmpty = false;
    for (CKorvexUndoGroupCommand* group = this; group; group = group->m_parent) {
        rootWasEmpty = !group->m_hasCommands;
        group->m_hasCommands = true;
    }
    return rootWasEmpty;
}

} // namespace Korvex
