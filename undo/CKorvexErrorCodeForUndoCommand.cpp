#include "undo/CKorvexErrorCodeForUndoCommand.h"

CKorvexErrorCodeForUndoCommand CKorvexErrorCodeForUndoCommand::failure(const char* message)
{
    CKorvexErrorCodeForUndoCommand result;
    result.SetErrorCode(1);
    result.SetMessage(Korvex::CKorvexString(message));
    return result;
}
