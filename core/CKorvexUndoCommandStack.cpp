#include "core/CKorvexUndoCommandStack.h"

#include "core/CKorvexUndoManager.h"

namespace Korvex {

CKorvexUndoCommandStack::CKorvexUndoCommandStack(CKorvexUndoGroupCommand* group)
    : m_group(group)
{
}

CKorvexUndoCommandStack* CKorvexUndoCommandStack::Create()
{
    return CKorvexUndoManager::getInstance().openStack();
}

void CKorvexUndoCommandStack::Close(bool keep)
{
    CKorvexUndoManager::getInstance().closeStack(keep);
}

} // namespace Korvex
