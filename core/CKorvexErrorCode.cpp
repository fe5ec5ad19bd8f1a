#include "core/CKorvexErrorCode.h"

namespace Korvex {

CKorvexErrorCode::CKorvexErrorCode(int code, const CKorvexString& message)
    : m_code(code)
    , m_message(message)
{
}

} // namespace Korvex
