#pragma once

#include "core/CKorvexBasicAction.h"

namespace Korvex {

/// Stops the running animation.
class CKorvexActionAnimationStop : public CKorvexBasicAction
{
public:
    CKorvexActionAnimationStop() = default;

    enumActionKind Kind() const override { return ActionKindAnimationStop; }
    bool IsEqual(const CKorvexBasicAction&) const override { return true; }
    bool ReadFromArchive(CKorvexArchiveBase&) override { return true; }
    bool WriteIntoArchive(CKorvexArchiveBase&) const override { return true; }
};

} // namespace Korvex
