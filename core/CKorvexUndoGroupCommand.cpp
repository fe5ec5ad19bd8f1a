#include "core/CKorvexUndoGroupCommand.h"

#include "core/CKorvexUndoManager.h"

namespace Korvex {

CKorvexUndoGroupCommand::CKorvexUndoGroupCommand(CKorvexUndoGroupCommand* parent, CKorvexUndoManager& manager)
    : CKorvexUndoCommand(true)
    , m_parent(parent)
    , m_manager(&manager)
{
}

CKorvexUndoGroupCommand::~CKorvexUndoGroupCommand() = default;

CKorvexUndoGroupCommand* CKorvexUndoGroupCommand::Create(CKorvexUndoGroupCommand* parent)
{
    if (!parent)
        return Create(CKorvexUndoManager::getInstance());
    std::unique_ptr<CKorvexUndoGroupCommand> group(new CKorvexUndoGroupCommand(parent, *parent->m_manager));
    CKorvexUndoGroupCommand* created = group.get();
    parent->m_children.push_back(std::move(group));
    return created;
}

CKorvexUndoGroupCommand* CKorvexUndoGroupCommand::Create(CKorvexUndoManager& manager)
{
    std::unique_ptr<CKorvexUndoGroupCommand> group(new CKorvexUndoGroupCommand(nullptr, manager));
    CKorvexUndoGroupCommand* created = group.get();
    manager.adoptPending(std::move(group));
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
        m_manager->rootFilled(root());
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
