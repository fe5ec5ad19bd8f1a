#pragma once

#include "core/CKorvexBasicAction.h"
#include "core/CKorvexString.h"

namespace Korvex {

/// Fills the page's form text boxes from one dictionary column.
class CKorvexActionPrepopulateFormTextBox : public CKorvexBasicAction
{
public:
    explicit CKorvexActionPrepopulateFormTextBox(const CKorvexString& attributeKeyName = CKorvexString());

    /// The column index as the user typed it.
    const CKorvexString& AttributeKeyName() const { return m_attributeKeyName; }
    void SetAttributeKeyName(const CKorvexString& name) { m_attributeKeyName = name; }

    enumActionKind Kind() const override { return ActionKindPrepopulateFormTextBox; }
    bool IsEqual(const CKorvexBasicAction& other) const override;
    bool ReadFromArchive(CKorvexArchiveBase& archive) override;
    bool WriteIntoArchive(CKorvexArchiveBase& archive) const override;

private:
    CKorvexString m_attributeKeyName;
};

} // namespace Korvex
