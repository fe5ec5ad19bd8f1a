#include "core/CKorvexActionMultiAction.h"

#include "core/CKorvexArchiveBase.h"

#include <cstddef>

namespace Korvex {

// Fields: triggering mode, sub-action count, then each sub-action with its own kind tag.

CKorvexActionMultiAction::CKorvexActionMultiAction(std::vector<CKorvexAction> actions, enumTriggeringMode mode)
    : m_actions(std::move(actions))
    , m_mode(mode)
{
}

bool CKorvexActionMultiAction::IsEqual(const CKorvexBasicAction& other) const
{
    const auto& multi = static_cast<const CKorvexActionMultiAction&>(other);
    return m_mode == multi.m_mode && m_actions == multi.m_actions;
}

bool CKorvexActionMultiAction::ReadFromArchive(CKorvexArchiveBase& archive)
{
    int mode = TriggerLoop;
    int count = 0;
    if (!archive.ReadInt(mode) || !archive.ReadInt(count) || count < 0 || count > kMaxSubActions)
        return false;
    std::vector<CKorvexAction> actions;
    for (int i = 0; i < count; ++i) {
        CKorvexAction action;
        if (!action.ReadFromArchive(archive))
            return false;
        actions.push_back(std::move(action));
    }
    m_actions = std::move(actions);
    m_mode = static_cast<enumTriggeringMode>(mode);
    return true;
}

bool CKorvexActionMultiAction::WriteIntoArchive(CKorvexArchiveBase& archive) const
{
    if (m_actions.size() > static_cast<std::size_t>(kMaxSubActions))
        return false;
    if (!archive.WriteInt(m_mode) || !archive.WriteInt(static_cast<int>(m_actions.size())))
        return false;
    for (const CKorvexAction& action : m_actions) {
        if (!action.WriteIntoArchive(archive))
            return false;
    }
    return true;
}

} // namespace Korvex
