#pragma once

#include <memory>

namespace Korvex {

class CKorvexUndoGroupCommand;

/// One undoable change; once stored, its group (and so the undo manager) owns it.
class CKorvexUndoCommand
{
public:
    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual ~CKorvexUndoCommand();

    /// Puts command at the end of group; a null group makes it a new undo step of its own.
    /// A command built as not yet done is redone first. Refused (command dropped) while the
    /// manager is running an undo or redo.
    static bool Store(std::unique_ptr<CKorvexUndoCommand> command, CKorvexUndoGroupCommand* group);

    bool IsAlreadyDone() const { return m_alreadyDone; }

protected:
    /// alreadyDone: the change has been made when the command is stored.
    explicit CKorvexUndoCommand(bool alreadyDone);

private:
    bool m_alreadyDone;
};

} // namespace Korvex
