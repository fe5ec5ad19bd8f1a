#pragma once

#include <string>

class QString;

namespace Korvex {

/// UTF-16 text of the core library, ordered code unit by code unit.
class CKorvexString
{
public:
    CKorvexString() = default;
    /// Narrow text is read as UTF-8; malformed bytes become U+FFFD.
    CKorvexString(const char* text);
    CKorvexString(const std::string& text);
    CKorvexString(const wchar_t* text);
    CKorvexString(const std::wstring& text);
    CKorvexString(const char16_t* text);
    CKorvexString(std::u16string text);
    CKorvexString(const char16_t* text, int length);
    /// The decimal text of value.
    explicit CKorvexString(int value);
    static CKorvexString FromNumber(long long value);

    std::string ToNarrow() const;
    std::wstring ToWide() const;
    explicit operator std::string() const { return ToNarrow(); }
    explicit operator std::wstring() const { return ToWide(); }
    const std::u16string& Utf16() const { return m_text; }

    bool IsEmpty() const { return m_text.empty(); }
    int Length() const { return static_cast<int>(m_text.size()); }
    char16_t At(int index) const;
    /// 0 for the empty string.
    char16_t FirstCh() const;
    char16_t LastCh() const;

    /// Index of the first occurrence at or after from, or -1.
    int Find(const CKorvexString& text, int from = 0) const;
    int Find(char16_t ch, int from = 0) const;
    /// Index of the last occurrence, or -1.
    int FindLast(char16_t ch) const;
    CKorvexString Mid(int start, int count = -1) const;

    /// Replaces every occurrence, left to right without rescanning replaced text.
    CKorvexString& Replace(const CKorvexString& from, const CKorvexString& to);
    CKorvexString& ReplaceCh(char16_t from, char16_t to);
    /// Drops every character after index; a negative index empties the string.
    CKorvexString& TruncateAfter(int index);
    /// Drops every character before index.
    CKorvexString& TruncateBefore(int index);
    CKorvexString ToLower() const;

    /// The folder part: up to and including the last "/" or "\", or empty when there is none.
    CKorvexString Path(bool withSeparator = true) const;
    /// Keeps what follows the last "/" or "\".
    CKorvexString& RemovePath();
    /// Replaces the folder part by folder, adding "/" when folder lacks a final separator.
    CKorvexString& SetPath(const CKorvexString& folder);
    /// The text after the last "." of the file name, or empty.
    CKorvexString Extension(bool withDot = false) const;
    /// Drops the last "." of the file name and what follows it.
    CKorvexString& RemoveExt();

    CKorvexString& operator+=(const CKorvexString& other);
    CKorvexString& operator+=(char16_t ch);

    friend bool operator==(const CKorvexString& a, const CKorvexString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CKorvexString& a, const CKorvexString& b) { return a.m_text != b.m_text; }
    friend bool operator<(const CKorvexString& a, const CKorvexString& b) { return a.m_text < b.m_text; }

private:
    int fileNameStart() const;

    std::u16string m_text;
};

CKorvexString operator+(CKorvexString a, const CKorvexString& b);
CKorvexString operator+(CKorvexString a, char16_t ch);

/// The one crossing between the framework's string and the core's, as UTF-16 text.
QString toQString(const CKorvexString& text);
CKorvexString fromQString(const QString& text);
/// UTF-8 bytes as text, a leading U+FEFF included: QString::fromUtf8 would drop it as a
/// byte-order mark.
QString textFromUtf8(const char* data, int size);

} // namespace Korvex
