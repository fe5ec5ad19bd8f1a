#pragma once

#include "core/CKorvexArchivable.h"
#include "core/CKorvexReferenced.h"

namespace Korvex {

/// Kind tags that open the archive of every action; 0 is the null action.
enum enumActionKind : int {
    ActionKindNone = 0,
    ActionKindUrl = 1,
    ActionKindMessageBox = 2,
    ActionKindAnimationPlay = 3,
    ActionKindAnimationStop = 4,
    ActionKindAnnot3DScript = 5,
    ActionKindMultiAction = 6,
    ActionKindSceneState = 7,
    ActionKindPrepopulateFormTextBox = 8,
};

/// One concrete click action; handles share it by reference count. Archives its fields only.
class CKorvexBasicAction : public CKorvexReferenced, public CKorvexArchivable
{
public:
    virtual enumActionKind Kind() const = 0;
    /// Field by field; other is of the same kind.
    virtual bool IsEqual(const CKorvexBasicAction& other) const = 0;

protected:
    CKorvexBasicAction() = default;
    ~CKorvexBasicAction() override;
};

} // namespace Korvex
