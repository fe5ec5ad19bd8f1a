#pragma once

#include "core/CKorvexArchivable.h"

namespace Korvex {

class CKorvexBasicAction;

/// The layout every archive write uses.
constexpr unsigned kKorvexActionVersionCurrent = 11005;
/// The layout of templates that name no version.
constexpr unsigned kKorvexActionVersionLegacy = 10234;

/// Value-like handle of one click action; copies share the action. Null when it holds none.
class CKorvexAction : public CKorvexArchivable
{
public:
    CKorvexAction() = default;
    /// Takes a reference to action; a null pointer gives the null action.
    explicit CKorvexAction(CKorvexBasicAction* action);
    CKorvexAction(const CKorvexAction& other);
    CKorvexAction(CKorvexAction&& other) noexcept;
    CKorvexAction& operator=(const CKorvexAction& other);
    CKorvexAction& operator=(CKorvexAction&& other) noexcept;
    ~CKorvexAction() override;

    bool IsNull() const { return m_action == nullptr; }
    CKorvexBasicAction* GetBasicAction() const { return m_action; }
    /// The basic action when it is a T, else null.
    template<class T>
    T* As() const
    {
        return dynamic_cast<T*>(m_action);
    }

    /// Writes the kind and the fields; reading creates the action of the stored kind and
    /// replaces this handle's action only when everything read.
    bool ArchiveReadWrite(CKorvexArchiveBase& archive) override;
    bool ReadFromArchive(CKorvexArchiveBase& archive) override;
    bool WriteIntoArchive(CKorvexArchiveBase& archive) const override;

    /// Deep: same kind and equal fields, through multi actions.
    friend bool operator==(const CKorvexAction& a, const CKorvexAction& b);
    friend bool operator!=(const CKorvexAction& a, const CKorvexAction& b) { return !(a == b); }

private:
    CKorvexBasicAction* m_action = nullptr;
};

} // namespace Korvex
