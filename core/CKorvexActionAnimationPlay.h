#pragma once

#include "core/CKorvexBasicAction.h"

namespace Korvex {

/// Plays the whole animation or a range of its frames.
class CKorvexActionAnimationPlay : public CKorvexBasicAction
{
public:
    /// With fullAnimation set both frames are 0.
    explicit CKorvexActionAnimationPlay(bool fullAnimation = true, int fromFrame = 0, int toFrame = 0);

    bool IsFullAnimation() const { return m_fullAnimation; }
    int GetAnimationFromFrame() const { return m_fromFrame; }
    int GetAnimationToFrame() const { return m_toFrame; }

    enumActionKind Kind() const override { return ActionKindAnimationPlay; }
    bool IsEqual(const CKorvexBasicAction& other) const override;
    bool ReadFromArchive(CKorvexArchiveBase& archive) override;
    bool WriteIntoArchive(CKorvexArchiveBase& archive) const override;

private:
    bool m_fullAnimation;
    int m_fromFrame;
    int m_toFrame;
};

} // namespace Korvex
