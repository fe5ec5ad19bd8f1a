#include "core/CKorvexActionUrl.h"

#include "core/CKorvexAction.h"
#include "core/CKorvexArchiveBase.h"

namespace Korvex {

// Fields: url; from version 11005 also local HTML folder, start page.

CKorvexActionUrl::CKorvexActionUrl(const CKorvexString& url)
    : m_url(url)
{
}

bool CKorvexActionUrl::IsEqual(const CKorvexBasicAction& other) const
{
    const auto& url = static_cast<const CKorvexActionUrl&>(other);
    return m_url == url.m_url && m_localHtmlPath == url.m_localHtmlPath
        && m_startupHtmlFile == url.m_startupHtmlFile;
}

bool CKorvexActionUrl::ReadFromArchive(CKorvexArchiveBase& archive)
{
    if (!archive.ReadString(m_url))
        return false;
    if (archive.GetVersion() < kKorvexActionVersionCurrent)
        return true;
    return archive.ReadString(m_localHtmlPath) && archive.ReadString(m_startupHtmlFile);
}

bool CKorvexActionUrl::WriteIntoArchive(CKorvexArchiveBase& archive) const
{
    if (!archive.WriteString(m_url))
        return false;
    if (archive.GetVersion() < kKorvexActionVersionCurrent)
        return true;
    return archive.WriteString(m_localHtmlPath) && archive.WriteString(m_startupHtmlFile);
}

} // namespace Korvex
