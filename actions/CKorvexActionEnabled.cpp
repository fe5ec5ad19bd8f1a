#include "actions/CKorvexActionEnabled.h"

#include "actions/ActionArchive.h"
#include "core/CKorvexActionSceneState.h"

CKorvexActionEnabled::CKorvexActionEnabled()
    : m_readVersion(Korvex::kKorvexActionVersionLegacy)
{
}

CKorvexActionEnabled::~CKorvexActionEnabled() = default;

QString CKorvexActionEnabled::ActionToString() const
{
    Korvex::CKorvexAction action = m_action;
    ActionArchive archive(ActionArchive::kModeWrite);
    archive.SetVersion(Korvex::kKorvexActionVersionCurrent);
    return action.ArchiveReadWrite(archive) ? archive.ToString() : QString();
}

bool CKorvexActionEnabled::ActionFromString(const QString& text)
{
    ActionArchive archive(ActionArchive::kModeRead);
    archive.FromString(text);
    Korvex::CKorvexAction action;
    archive.SetVersion(m_readVersion);
    const bool read = action.ArchiveReadWrite(archive);
    if (read)
        m_action = action;
    // A by-index state stored as -1 is taken as 1, whatever the read gave.
    if (auto* state = m_action.As<Korvex::CKorvexActionSceneState>()) {
        if (state->IsByIndex() && state->GetSceneStateIndex() == -1)
            state->SetSceneStateByIndex(-1 + 2);
    }
    return read;
}
