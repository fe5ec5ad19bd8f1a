#pragma once

#include "core/CKorvexBasicAction.h"
#include "core/CKorvexString.h"

namespace Korvex {

/// Shows a message box with a title and a text.
class CKorvexActionMessageBox : public CKorvexBasicAction
{
public:
    CKorvexActionMessageBox(const CKorvexString& title = CKorvexString(),
                            const CKorvexString& text = CKorvexString());

    const CKorvexString& GetMessageTitle() const { return m_title; }
    const CKorvexString& GetMessageText() const { return m_text; }

    enumActionKind Kind() const override { return ActionKindMessageBox; }
    bool IsEqual(const CKorvexBasicAction& other) const override;
    bool ReadFromArchive(CKorvexArchiveBase& archive) override;
    bool WriteIntoArchive(CKorvexArchiveBase& archive) const override;

private:
    CKorvexString m_title;
    CKorvexString m_text;
};

} // namespace Korvex
