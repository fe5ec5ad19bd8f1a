#pragma once

#include <atomic>

namespace Korvex {

/// Intrusive reference count; the object deletes itself when the last reference goes.
class CKorvexReferenced
{
public:
    void AddRef() const;
    void Release() const;
    int RefCount() const;

protected:
    CKorvexReferenced() = default;
    // A copy is a new object: it starts without references.
    CKorvexReferenced(const CKorvexReferenced&) {}
    CKorvexReferenced& operator=(const CKorvexReferenced&) { return *this; }
    virtual ~CKorvexReferenced();

private:
    mutable std::atomic<int> m_refCount{0};
};

} // namespace Korvex
