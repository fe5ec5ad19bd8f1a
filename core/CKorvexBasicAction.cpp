#include "core/CKorvexBasicAction.h"

namespace Korvex {

CKorvexBasicAction::~CKorvexBasicAction() = default;

} // namespace Korvex
