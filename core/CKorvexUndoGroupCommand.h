#pragma once

#include "core/CKorvexUndoCommand.h"

#include <vector>

namespace Korvex {

class CKorvexUndoManager;

/// Commands that undo as one: children undone last to first, redone first to last.
class CKorvexUndoGroupCommand : public CKorvexUndoCommand
{
public:
    /// A new empty group at the end of parent. With a null parent the group becomes an undo
    /// step (or part of the open command stack) when its first command is stored; a group
    /// that never holds a command never does. The manager owns every group; the pointer
    /// stays valid until the manager's next Undo, Redo or ClearHistory.
    static CKorvexUndoGroupCommand* Create(CKorvexUndoGroupCommand* parent);
    /// A new empty top-level group of the given history (Create(nullptr) uses the one instance).
    static CKorvexUndoGroupCommand* Create(CKorvexUndoManager& manager);

    void Undo() override;
    void Redo() override;
    ~CKorvexUndoGroupCommand() override;

    /// True once a command has been stored here or in a nested group.
    bool HasCommands() const { return m_hasCommands; }
    int ChildCount() const { return static_cast<int>(m_children.size()); }
    CKorvexUndoGroupCommand* Parent() const { return m_parent; }
    /// The history this group belongs to.
    CKorvexUndoManager& Manager() const { return *m_manager; }

private:
    friend class CKorvexUndoCommand;
    friend class CKorvexUndoManager;

    CKorvexUndoGroupCommand(CKorvexUndoGroupCommand* parent, CKorvexUndoManager& manager);
    CKorvexUndoGroupCommand* root();
    void append(std::unique_ptr<CKorvexUndoCommand> command);
    /// Marks this group and its ancestors as holding commands; true when the root was empty.
    bool markHasCommands();

    CKorvexUndoGroupCommand* m_parent;
    CKorvexUndoManager* m_manager;
    std::vector<std::unique_ptr<CKorvexUndoCommand>> m_children;
    bool m_hasCommands = false;
};

} // namespace Korvex
