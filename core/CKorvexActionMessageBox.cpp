#include "core/CKorvexActionMessageBox.h"

#include "core/CKorvexArchiveBase.h"

namespace Korvex {

// Fields: title, text.

CKorvexActionMessageBox::CKorvexActionMessageBox(const CKorvexString& title, const CKorvexString& text)
    : m_title(title)
    , m_text(text)
{
}

bool CKorvexActionMessageBox::IsEqual(const CKorvexBasicAction& other) const
{
    const auto& box = static_cast<const CKorvexActionMessageBox&>(other);
    return m_title == box.m_title && m_text == box.m_text;
}

bool CKorvexActionMessageBox::ReadFromArchive(CKorvexArchiveBase& archive)
{
    return archive.ReadString(m_title) && archive.ReadString(m_text);
}

bool CKorvexActionMessageBox::WriteIntoArchive(CKorvexArchiveBase& archive) const
{
    return archive.WriteString(m_title) && archive.WriteString(m_text);
}

} // namespace Korvex
