#include "core/CKorvexActionAnnot3DScript.h"

#include "core/CKorvexArchiveBase.h"

namespace Korvex {

// Fields: script.

CKorvexActionAnnot3DScript::CKorvexActionAnnot3DScript(const CKorvexString& script)
    : m_script(script)
{
}

bool CKorvexActionAnnot3DScript::IsEqual(const CKorvexBasicAction& other) const
{
    return m_script == static_cast<const CKorvexActionAnnot3DScript&>(other).m_script;
}

bool CKorvexActionAnnot3DScript::ReadFromArchive(CKorvexArchiveBase& archive)
{
    return archive.ReadString(m_script);
}

bool CKorvexActionAnnot3DScript::WriteIntoArchive(CKorvexArchiveBase& archive) const
{
    return archive.WriteString(m_script);
}

} // namespace Korvex
