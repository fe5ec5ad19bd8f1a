#include "core/CKorvexAction.h"

#include "core/CKorvexActionFactory.h"
#include "core/CKorvexArchiveBase.h"
#include "core/CKorvexBasicAction.h"

#include <utility>

namespace Korvex {

// Archive layout of an action, as a flat series of values:
//   kind tag (int, enumActionKind; 0 for the null action, which has nothing after it),
//   then the fields of that kind in the order its class writes them. A multi action writes
//   its mode, its sub-action count and then each sub-action in this same layout.
// Version 11005 adds the local HTML folder and start page of URL actions and the by-index
// choice of scene-state actions; 10234 holds the URL alone and scene states by name only.

namespace {

class NestingGuard
{
public:
    explicit NestingGuard(CKorvexArchiveBase& archive)
        : m_archive(archive)
        , m_entered(archive.EnterNested())
    {
    }
    ~NestingGuard()
    {
        if (m_entered)
            m_archive.LeaveNested();
    }
    bool entered() const { return m_entered; }

private:
    CKorvexArchiveBase& m_archive;
    bool m_entered;
};

} // namespace

CKorvexAction::CKorvexAction(CKorvexBasicAction* action)
    : m_action(action)
{
    if (m_action)
        m_action->AddRef();
}

CKorvexAction::CKorvexAction(const CKorvexAction& other)
    : CKorvexAction(other.m_action)
{
}

CKorvexAction::CKorvexAction(CKorvexAction&& other) noexcept
    : CKorvexArchivable()
    , m_action(std::exchange(other.m_action, nullptr))
{
}

CKorvexAction& CKorvexAction::operator=(const CKorvexAction& other)
{
    CKorvexAction copy(other);
    std::swap(m_action, copy.m_action);
    return *this;
}

CKorvexAction& CKorvexAction::operator=(CKorvexAction&& other) noexcept
{
    std::swap(m_action, other.m_action);
    return *this;
}

CKorvexAction::~CKorvexAction()
{
    if (m_action)
        m_action->Release();
}

bool CKorvexAction::ArchiveReadWrite(CKorvexArchiveBase& archive)
{
    return archive.OnBegin() && CKorvexArchivable::ArchiveReadWrite(archive);
}

bool CKorvexAction::ReadFromArchive(CKorvexArchiveBase& archive)
{
    NestingGuard guard(archive);
    int kind = -1;
    if (!guard.entered() || !archive.ReadInt(kind))
        return false;
    if (kind == ActionKindNone) {
        *this = CKorvexAction();
        return true;
    }
    CKorvexAction read(CKorvexActionFactory::Create(kind));
    if (read.IsNull() || !read.m_action->ReadFromArchive(archive))
        return false;
    *this = std::move(read);
    return true;
}

bool CKorvexAction::WriteIntoArchive(CKorvexArchiveBase& archive) const
{
    NestingGuard guard(archive);
    if (!guard.entered())
        return false;
    if (!m_action)
        return archive.WriteInt(ActionKindNone);
    return archive.WriteInt(m_action->Kind()) && m_action->WriteIntoArchive(archive);
}

bool operator==(const CKorvexAction& a, const CKorvexAction& b)
{
    if (a.m_action == b.m_action)
        return true;
    if (!a.m_action || !b.m_action || a.m_action->Kind() != b.m_action->Kind())
        return false;
    return a.m_action->IsEqual(*b.m_action);
}

} // namespace Korvex
