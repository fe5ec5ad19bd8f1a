#pragma once

#include "core/CKorvexAction.h"
#include "core/CKorvexBasicAction.h"

#include <vector>

namespace Korvex {

/// How a multi action runs its list on each click. Archived values outside 1-4 are kept as read.
enum enumTriggeringMode : int {
    TriggerRunAll = 1,
    TriggerSwing = 2,
    TriggerLoop = 3,
    TriggerRandom = 4,
};

/// An ordered list of actions, run in one of the triggering modes.
class CKorvexActionMultiAction : public CKorvexBasicAction
{
public:
    /// More sub-actions than this are refused when read.
    static constexpr int kMaxSubActions = 100000;

    explicit CKorvexActionMultiAction(std::vector<CKorvexAction> actions = {},
                                      enumTriggeringMode mode = TriggerLoop);

    /// A copy of the list; the handles share their actions with this one's.
    std::vector<CKorvexAction> ListActions() const { return m_actions; }
    enumTriggeringMode TriggeringMode() const { return m_mode; }
    void SetTriggeringMode(enumTriggeringMode mode) { m_mode = mode; }

    enumActionKind Kind() const override { return ActionKindMultiAction; }
    bool IsEqual(const CKorvexBasicAction& other) const override;
    bool ReadFromArchive(CKorvexArchiveBase& archive) override;
    bool WriteIntoArchive(CKorvexArchiveBase& archive) const override;

private:
    std::vector<CKorvexAction> m_actions;
    enumTriggeringMode m_mode;
};

} // namespace Korvex
