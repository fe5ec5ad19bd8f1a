#include "core/CKorvexReferenced.h"

namespace Korvex {

CKorvexReferenced::~CKorvexReferenced() = default;

void CKorvexReferenced::AddRef() const
{
    m_refCount.fetch_add(1, std::memory_order_relaxed);
}

void CKorvexReferenced::Release() const
{
    if (m_refCount.fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete this;
}

int CKorvexReferenced::RefCount() const
{
    return m_refCount.load(std::memory_order_relaxed);
}

} // namespace Korvex
