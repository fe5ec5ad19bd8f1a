#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace Korvex {

class CKorvexUndoCommandStack;
class CKorvexUndoGroupCommand;

/// An undo history: a list of steps (top-level groups) and how many of them are done.
/// The application's page records into the one instance; any other page may own a history.
class CKorvexUndoManager
{
public:
    static CKorvexUndoManager& getInstance();

    CKorvexUndoManager();
    ~CKorvexUndoManager();

    /// Undoes the last done step; closes an open command stack first. False when there is none.
    bool Undo();
    /// Redoes the last undone step; closes an open command stack first.
    bool Redo();
    /// Forgets every step in both directions, the open command stack and every empty group.
    /// Refused while an undo or redo runs.
    void ClearHistory();

    bool CanUndo() const { return m_doneCount > 0; }
    bool CanRedo() const { return m_doneCount < m_history.size(); }
    int UndoCount() const { return static_cast<int>(m_doneCount); }
    int RedoCount() const { return static_cast<int>(m_history.size() - m_doneCount); }
    bool IsCommandStackOpen() const { return m_stack != nullptr; }
    /// True while a step is being undone or redone; commands stored then are dropped.
    bool IsBusy() const { return m_busy; }

    CKorvexUndoManager(const CKorvexUndoManager&) = delete;
    CKorvexUndoManager& operator=(const CKorvexUndoManager&) = delete;

private:
    friend class CKorvexUndoGroupCommand;
    friend class CKorvexUndoCommandStack;

    void adoptPending(std::unique_ptr<CKorvexUndoGroupCommand> group);
    /// A top-level group received its first command.
    void rootFilled(CKorvexUndoGroupCommand* root);
    std::unique_ptr<CKorvexUndoGroupCommand> takePending(CKorvexUndoGroupCommand* group);
    /// Appends a step, dropping every step that could have been redone.
    void record(std::unique_ptr<CKorvexUndoGroupCommand> step);
    CKorvexUndoCommandStack* openStack();
    void closeStack(bool keep);
    void discardLastStep(CKorvexUndoGroupCommand* step);
    void endUserAction();

    std::vector<std::unique_ptr<CKorvexUndoGroupCommand>> m_history;
    std::size_t m_doneCount = 0;
    std::vector<std::unique_ptr<CKorvexUndoGroupCommand>> m_pending;
    std::unique_ptr<CKorvexUndoCommandStack> m_stack;
    bool m_busy = false;
};

} // namespace Korvex
