#include "core/CKorvexUndoCommandStack.h"

#include "core/CKorvexUndoManager.h"

namespace Korvex {

CKorvexUndoCommandStack::CKorvexUndoCommandStack(CKorvexUndoGroupCommand* group)
    : m_group(group)
{
}

CKorvexUndoCommandStack* CKorvexUndoCommandStack::Create()
{
    return Create(CKorvexUndoManager::getInstance());
}

CKorvexUndoCommandStack* CKorvexUndoCommandStack::Create(CKorvexUndoManager& manager)
{
    return manager.openStack();
}

void CKorvexUndoCommandStack::Close(bool keep)
{
    Close(CKorvexUndoManager::getInstance(), keep);
}

void CKorvexUndoCommandStack::Close(CKorvexUndoManager& manager, bool keep)
{
    manager.closeStack(keep);
}

} // namespace Korvex
