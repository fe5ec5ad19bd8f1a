#include "core/CKorvexActionFactory.h"

#include "core/CKorvexActionAnimationPlay.h"
#include "core/CKorvexActionAnimationStop.h"
#include "core/CKorvexActionAnnot3DScript.h"
#include "core/CKorvexActionMessageBox.h"
#include "core/CKorvexActionMultiAction.h"
#include "core/CKorvexActionPrepopulateFormTextBox.h"
#include "core/CKorvexActionSceneState.h"
#include "core/CKorvexActionUrl.h"

#include <map>

namespace Korvex {

namespace {

std::map<int, CKorvexActionFactory::Maker>& makers()
{
    static std::map<int, CKorvexActionFactory::Maker> registered;
    return registered;
}

template<class T>
CKorvexBasicAction* make()
{
    return new T();
}

} // namespace

void CKorvexActionFactory::Register(int kind, Maker maker)
{
    if (maker)
        makers()[kind] = maker;
}

bool CKorvexActionFactory::IsRegistered(int kind)
{
    return makers().count(kind) != 0;
}

CKorvexBasicAction* CKorvexActionFactory::Create(int kind)
{
    const auto found = makers().find(kind);
    return found == makers().end() ? nullptr : found->second();
}

void registerCoreArchivable()
{
    CKorvexActionFactory::Register(ActionKindUrl, &make<CKorvexActionUrl>);
    CKorvexActionFactory::Register(ActionKindMessageBox, &make<CKorvexActionMessageBox>);
    CKorvexActionFactory::Register(ActionKindAnimationPlay, &make<CKorvexActionAnimationPlay>);
    CKorvexActionFactory::Register(ActionKindAnimationStop, &make<CKorvexActionAnimationStop>);
    CKorvexActionFactory::Register(ActionKindAnnot3DScript, &make<CKorvexActionAnnot3DScript>);
    CKorvexActionFactory::Register(ActionKindMultiAction, &make<CKorvexActionMultiAction>);
    CKorvexActionFactory::Register(ActionKindSceneState, &make<CKorvexActionSceneState>);
    CKorvexActionFactory::Register(ActionKindPrepopulateFormTextBox, &make<CKorvexActionPrepopulateFormTextBox>);
}

} // namespace Korvex
