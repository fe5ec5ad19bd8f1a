#include "core/CKorvexActionSceneState.h"

#include "core/CKorvexAction.h"
#include "core/CKorvexArchiveBase.h"

namespace Korvex {

// Fields from version 11005: by-index flag, then the index or the name.
// Before 11005: the name alone, so a by-index state cannot be written there.

CKorvexActionSceneState::CKorvexActionSceneState(const CKorvexString& name)
    : m_name(name)
{
}

CKorvexActionSceneState::CKorvexActionSceneState(int index)
    : m_byIndex(true)
    , m_index(index)
{
}

void CKorvexActionSceneState::SetSceneStateByIndex(int index)
{
    m_byIndex = true;
    m_index = index;
}

bool CKorvexActionSceneState::IsEqual(const CKorvexBasicAction& other) const
{
    const auto& state = static_cast<const CKorvexActionSceneState&>(other);
    if (m_byIndex != state.m_byIndex)
        return false;
    return m_byIndex ? m_index == state.m_index : m_name == state.m_name;
}

bool CKorvexActionSceneState::ReadFromArchive(CKorvexArchiveBase& archive)
{
    bool byIndex = false;
    if (archive.GetVersion() >= kKorvexActionVersionCurrent && !archive.ReadBool(byIndex))
        return false;
    m_byIndex = byIndex;
    return byIndex ? archive.ReadInt(m_index) : archive.ReadString(m_name);
}

bool CKorvexActionSceneState::WriteIntoArchive(CKorvexArchiveBase& archive) const
{
    if (archive.GetVersion() < kKorvexActionVersionCurrent)
        return !m_byIndex && archive.WriteString(m_name);
    if (!archive.WriteBool(m_byIndex))
        return false;
    return m_byIndex ? archive.WriteInt(m_index) : archive.WriteString(m_name);
}

} // namespace Korvex
