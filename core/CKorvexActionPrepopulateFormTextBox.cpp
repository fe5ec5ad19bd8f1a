#include "core/CKorvexActionPrepopulateFormTextBox.h"

#include "core/CKorvexArchiveBase.h"

namespace Korvex {

// Fields: attribute key name.

CKorvexActionPrepopulateFormTextBox::CKorvexActionPrepopulateFormTextBox(const CKorvexString& attributeKeyName)
    : m_attributeKeyName(attributeKeyName)
{
}

bool CKorvexActionPrepopulateFormTextBox::IsEqual(const CKorvexBasicAction& other) const
{
    return m_attributeKeyName == static_cast<const CKorvexActionPrepopulateFormTextBox&>(other).m_attributeKeyName;
}

bool CKorvexActionPrepopulateFormTextBox::ReadFromArchive(CKorvexArchiveBase& archive)
{
    return archive.ReadString(m_attributeKeyName);
}

bool CKorvexActionPrepopulateFormTextBox::WriteIntoArchive(CKorvexArchiveBase& archive) const
{
    return archive.WriteString(m_attributeKeyName);
}

} // namespace Korvex
