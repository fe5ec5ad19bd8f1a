#pragma once

#include "core/CKorvexErrorCode.h"

/// The result of creating an undo command: code 0 on success, 1 with a message on failure.
class CKorvexErrorCodeForUndoCommand : public Korvex::CKorvexErrorCode
{
public:
    CKorvexErrorCodeForUndoCommand() = default;
    static CKorvexErrorCodeForUndoCommand failure(const char* message);
};
