#pragma once

#include "core/CKorvexBasicAction.h"
#include "core/CKorvexString.h"

namespace Korvex {

/// Switches the 3D view to a scene state, given by name or by zero-based index.
class CKorvexActionSceneState : public CKorvexBasicAction
{
public:
    explicit CKorvexActionSceneState(const CKorvexString& name = CKorvexString());
    explicit CKorvexActionSceneState(int index);

    bool IsByIndex() const { return m_byIndex; }
    const CKorvexString& GetSceneStateName() const { return m_name; }
    int GetSceneStateIndex() const { return m_index; }
    /// Switches to the by-index form.
    void SetSceneStateByIndex(int index);

    enumActionKind Kind() const override { return ActionKindSceneState; }
    bool IsEqual(const CKorvexBasicAction& other) const override;
    bool ReadFromArchive(CKorvexArchiveBase& archive) override;
    bool WriteIntoArchive(CKorvexArchiveBase& archive) const override;

private:
    bool m_byIndex = false;
    CKorvexString m_name;
    int m_index = 0;
};

} // namespace Korvex
