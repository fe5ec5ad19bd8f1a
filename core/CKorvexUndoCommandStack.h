#pragma once

namespace Korvex {

class CKorvexUndoGroupCommand;
class CKorvexUndoManager;

/// Brackets a series of commands that undo as one step. Stacks nest; the outermost Close decides.
class CKorvexUndoCommandStack
{
public:
    /// Opens the stack, or enters it once more when it is open. The manager owns it; the
    /// pointer stays valid until the outermost Close.
    static CKorvexUndoCommandStack* Create();
    static CKorvexUndoCommandStack* Create(CKorvexUndoManager& manager);
    /// Leaves the stack; the outermost close keeps what it collected as one undo step, or,
    /// with keep false, undoes it and drops it. Without an open stack nothing happens.
    static void Close(bool keep = true);
    static void Close(CKorvexUndoManager& manager, bool keep = true);

    int Depth() const { return m_depth; }

private:
    friend class CKorvexUndoManager;

    explicit CKorvexUndoCommandStack(CKorvexUndoGroupCommand* group);

    CKorvexUndoGroupCommand* m_group;
    int m_depth = 1;
};

} // namespace Korvex
