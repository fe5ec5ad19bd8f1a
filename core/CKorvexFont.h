#pragma once

#include "core/CKorvexString.h"

namespace Korvex {

/// An installed font family: its name and the file of each style it has.
class CKorvexFont
{
public:
    CKorvexFont() = default;
    explicit CKorvexFont(const CKorvexString& name, const CKorvexString& normalFile = CKorvexString());

    const CKorvexString& GetFontName() const { return m_name; }
    void SetFontName(const CKorvexString& name) { m_name = name; }
    const CKorvexString& GetNormalFile() const { return m_normalFile; }
    void SetNormalFile(const CKorvexString& file) { m_normalFile = file; }
    const CKorvexString& GetBoldFile() const { return m_boldFile; }
    void SetBoldFile(const CKorvexString& file) { m_boldFile = file; }
    const CKorvexString& GetItalicFile() const { return m_italicFile; }
    void SetItalicFile(const CKorvexString& file) { m_italicFile = file; }
    const CKorvexString& GetBoldItalicFile() const { return m_boldItalicFile; }
    void SetBoldItalicFile(const CKorvexString& file) { m_boldItalicFile = file; }

    /// Whether the family has a file of that style.
    bool IsBold() const { return !m_boldFile.IsEmpty(); }
    bool IsItalic() const { return !m_italicFile.IsEmpty(); }
    bool IsBoldItalic() const { return !m_boldItalicFile.IsEmpty(); }

    /// The file of the style, or the normal file when the family lacks that style.
    const CKorvexString& GetFile(bool bold, bool italic) const;

    friend bool operator==(const CKorvexFont& a, const CKorvexFont& b);
    friend bool operator!=(const CKorvexFont& a, const CKorvexFont& b) { return !(a == b); }

private:
    CKorvexString m_name;
    CKorvexString m_normalFile;
    CKorvexString m_boldFile;
    CKorvexString m_italicFile;
    CKorvexString m_boldItalicFile;
};

} // namespace Korvex
