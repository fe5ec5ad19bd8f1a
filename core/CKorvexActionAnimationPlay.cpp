#include "core/CKorvexActionAnimationPlay.h"

#include "core/CKorvexArchiveBase.h"

namespace Korvex {

// Fields: full-animation flag, from frame, to frame.

CKorvexActionAnimationPlay::CKorvexActionAnimationPlay(bool fullAnimation, int fromFrame, int toFrame)
    : m_fullAnimation(fullAnimation)
    , m_fromFrame(fullAnimation ? 0 : fromFrame)
    , m_toFrame(fullAnimation ? 0 : toFrame)
{
}

bool CKorvexActionAnimationPlay::IsEqual(const CKorvexBasicAction& other) const
{
    const auto& play = static_cast<const CKorvexActionAnimationPlay&>(other);
    return m_fullAnimation == play.m_fullAnimation && m_fromFrame == play.m_fromFrame
        && m_toFrame == play.m_toFrame;
}

bool CKorvexActionAnimationPlay::ReadFromArchive(CKorvexArchiveBase& archive)
{
    if (!archive.ReadBool(m_fullAnimation) || !archive.ReadInt(m_fromFrame) || !archive.ReadInt(m_toFrame))
        return false;
    if (m_fullAnimation)
        m_fromFrame = m_toFrame = 0;
    return true;
}

bool CKorvexActionAnimationPlay::WriteIntoArchive(CKorvexArchiveBase& archive) const
{
    return archive.WriteBool(m_fullAnimation) && archive.WriteInt(m_fromFrame) && archive.WriteInt(m_toFrame);
}

} // namespace Korvex
