#include "core/CKorvexFont.h"

namespace Korvex {

CKorvexFont::CKorvexFont(const CKorvexString& name, const CKorvexString& normalFile)
    : m_name(name)
    , m_normalFile(normalFile)
{
}

const CKorvexString& CKorvexFont::GetFile(bool bold, bool italic) const
{
    const CKorvexString& styled = bold && italic ? m_boldItalicFile
        : bold                                   ? m_boldFile
        : italic                                 ? m_italicFile
                                                 : m_normalFile;
    return styled.IsEmpty() ? m_normalFile : styled;
}

bool operator==(const CKorvexFont& a, const CKorvexFont& b)
{
    return a.m_name == b.m_name && a.m_normalFile == b.m_normalFile && a.m_boldFile == b.m_boldFile
        && a.m_italicFile == b.m_italicFile && a.m_boldItalicFile == b.m_boldItalicFile;
}

} // namespace Korvex
