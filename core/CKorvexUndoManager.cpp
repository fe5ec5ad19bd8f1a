#include "core/CKorvexUndoManager.h"

#include "core/CKorvexUndoCommandStack.h"
#include "core/CKorvexUndoGroupCommand.h"

#include <algorithm>

namespace Korvex {

namespace {

class BusyScope
{
public:
    explicit BusyScope(bool& busy)
        : m_busy(busy)
        , m_before(busy)
    {
        m_busy = true;
    }
    ~BusyScope() { m_busy = m_before; }

private:
    bool& m_busy;
    bool m_before;
};

} // namespace

CKorvexUndoManager::CKorvexUndoManager() = default;
CKorvexUndoManager::~CKorvexUndoManager() = default;

CKorvexUndoManager& CKorvexUndoManager::getInstance()
{
    static CKorvexUndoManager manager;
    return manager;
}

bool CKorvexUndoManager::Undo()
{
    if (m_busy)
        return false;
    endUserAction();
    if (!CanUndo())
        return false;
    BusyScope busy(m_busy);
    m_history[--m_doneCount]->Undo();
    return true;
}

bool CKorvexUndoManager::Redo()
{
    if (m_busy)
        return false;
    endUserAction();
    if (!CanRedo())
        return false;
    BusyScope busy(m_busy);
    m_history[m_doneCount++]->Redo();
    return true;
}

void CKorvexUndoManager::ClearHistory()
{
    if (m_busy)
        return;
    m_stack.reset();
    m_pending.clear();
    m_history.clear();
    m_doneCount = 0;
}

// Empty groups are only kept for the user action that made them.
void CKorvexUndoManager::endUserAction()
{
    while (m_stack)
        closeStack(true);
    m_pending.clear();
}

void CKorvexUndoManager::adoptPending(std::unique_ptr<CKorvexUndoGroupCommand> group)
{
    m_pending.push_back(std::move(group));
}

std::unique_ptr<CKorvexUndoGroupCommand> CKorvexUndoManager::takePending(CKorvexUndoGroupCommand* group)
{
    const auto found = std::find_if(m_pending.begin(), m_pending.end(),
                                     [group](const auto& pending) { return pending.get() == group; });
    if (found == m_pending.end())
        return nullptr;
    std::unique_ptr<CKorvexUndoGroupCommand> taken = std::move(*found);
    m_pending.erase(found);
    return taken;
}

void CKorvexUndoManager::rootFilled(CKorvexUndoGroupCommand* root)
{
    std::unique_ptr<CKorvexUndoGroupCommand> step = takePending(root);
    if (!step)
        return;
    if (m_stack && root != m_stack->m_group) {
        CKorvexUndoGroupCommand* stackGroup = m_stack->m_group;
        step->m_parent = stackGroup;
        stackGroup->m_children.push_back(std::move(step));
        if (stackGroup->markHasCommands())
            rootFilled(stackGroup);
        return;
    }
    record(std::move(step));
}

void CKorvexUndoManager::record(std::unique_ptr<CKorvexUndoGroupCommand> step)
{
    m_history.resize(m_doneCount);
    m_history.push_back(std::move(step));
    m_doneCount = m_history.size();
}

CKorvexUndoCommandStack* CKorvexUndoManager::openStack()
{
    if (m_stack) {
        ++m_stack->m_depth;
    } else {
        std::unique_ptr<CKorvexUndoGroupCommand> group(new CKorvexUndoGroupCommand(nullptr, *this));
        m_stack.reset(new CKorvexUndoCommandStack(group.get()));
        adoptPending(std::move(group));
    }
    return m_stack.get();
}

void CKorvexUndoManager::closeStack(bool keep)
{
    if (!m_stack || --m_stack->m_depth > 0)
        return;
    CKorvexUndoGroupCommand* group = m_stack->m_group;
    m_stack.reset();
    if (!group->HasCommands())
        takePending(group);
    else if (!keep)
        discardLastStep(group);
}

void CKorvexUndoManager::discardLastStep(CKorvexUndoGroupCommand* step)
{
    if (m_doneCount == 0 || m_doneCount != m_history.size() || m_history.back().get() != step)
        return;
    {
        BusyScope busy(m_busy);
        step->Undo();
    }
    m_history.pop_back();
    m_doneCount = m_history.size();
}

} // namespace Korvex
