#pragma once

#include "core/CKorvexString.h"

namespace Korvex {

/// The outcome of a core call: code 0 and no message on success.
class CKorvexErrorCode
{
public:
    CKorvexErrorCode() = default;
    CKorvexErrorCode(int code, const CKorvexString& message);

    void SetErrorCode(int code) { m_code = code; }
    int GetErrorCode() const { return m_code; }
    void SetMessage(const CKorvexString& message) { m_message = message; }
    const CKorvexString& GetMessage() const { return m_message; }
    bool IsOk() const { return m_code == 0; }

private:
    int m_code = 0;
    CKorvexString m_message;
};

} // namespace Korvex
