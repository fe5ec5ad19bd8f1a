#pragma once

#include "core/CKorvexBasicAction.h"
#include "core/CKorvexString.h"

namespace Korvex {

/// Runs a 3D annotation JavaScript.
class CKorvexActionAnnot3DScript : public CKorvexBasicAction
{
public:
    explicit CKorvexActionAnnot3DScript(const CKorvexString& script = CKorvexString());

    const CKorvexString& GetAnnot3DScript() const { return m_script; }

    enumActionKind Kind() const override { return ActionKindAnnot3DScript; }
    bool IsEqual(const CKorvexBasicAction& other) const override;
    bool ReadFromArchive(CKorvexArchiveBase& archive) override;
    bool WriteIntoArchive(CKorvexArchiveBase& archive) const override;

private:
    CKorvexString m_script;
};

} // namespace Korvex
