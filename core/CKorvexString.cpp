#include "core/CKorvexString.h"

#include <QString>

#include <algorithm>
#include <cstring>

namespace Korvex {

namespace {

bool isSeparator(char16_t ch)
{
    return ch == u'/' || ch == u'\\';
}

std::u16string fromQt(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

QString toQt(const std::u16string& text)
{
    // Not QString::fromUtf16: it takes a leading U+FEFF or U+FFFE for a byte-order mark,
    // dropping the one and byte-swapping the whole text for the other.
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<int>(text.size()));
}

} // namespace

CKorvexString::CKorvexString(const char* text)
    : m_text(text ? fromQt(textFromUtf8(text, static_cast<int>(std::strlen(text)))) : std::u16string())
{
}

CKorvexString::CKorvexString(const std::string& text)
    : m_text(fromQt(textFromUtf8(text.data(), static_cast<int>(text.size()))))
{
}

CKorvexString::CKorvexString(const wchar_t* text)
    : m_text(text ? fromQt(QString::fromWCharArray(text)) : std::u16string())
{
}

CKorvexString::CKorvexString(const std::wstring& text)
    : m_text(fromQt(QString::fromStdWString(text)))
{
}

CKorvexString::CKorvexString(const char16_t* text)
    : m_text(text ? std::u16string(text) : std::u16string())
{
}

CKorvexString::CKorvexString(std::u16string text)
    : m_text(std::move(text))
{
}

CKorvexString::CKorvexString(const char16_t* text, int length)
    : m_text(text && length > 0 ? std::u16string(text, static_cast<size_t>(length)) : std::u16string())
{
}

CKorvexString::CKorvexString(int value)
    : CKorvexString(FromNumber(value))
{
}

CKorvexString CKorvexString::FromNumber(long long value)
{
    return CKorvexString(std::to_string(value));
}

std::string CKorvexString::ToNarrow() const
{
    return toQt(m_text).toStdString();
}

std::wstring CKorvexString::ToWide() const
{
    return toQt(m_text).toStdWString();
}

char16_t CKorvexString::At(int index) const
{
    return index >= 0 && index < Length() ? m_text[static_cast<size_t>(index)] : char16_t(0);
}

char16_t CKorvexString::FirstCh() const
{
    return At(0);
}

char16_t CKorvexString::LastCh() const
{
    return At(Length() - 1);
}

int CKorvexString::Find(const CKorvexString& text, int from) const
{
    if (from < 0 || from > Length())
        return -1;
    const size_t found = m_text.find(text.m_text, static_cast<size_t>(from));
    return found == std::u16string::npos ? -1 : static_cast<int>(found);
}

int CKorvexString::Find(char16_t ch, int from) const
{
    if (from < 0 || from >= Length())
        return -1;
    const size_t found = m_text.find(ch, static_cast<size_t>(from));
    return found == std::u16string::npos ? -1 : static_cast<int>(found);
}

int CKorvexString::FindLast(char16_t ch) const
{
    const size_t found = m_text.rfind(ch);
    return found == std::u16string::npos ? -1 : static_cast<int>(found);
}

CKorvexString CKorvexString::Mid(int start, int count) const
{
    start = std::clamp(start, 0, Length());
    const int available = Length() - start;
    const int taken = count < 0 ? available : std::min(count, available);
    return CKorvexString(m_text.substr(static_cast<size_t>(start), static_cast<size_t>(taken)));
}

CKorvexString& CKorvexString::Replace(const CKorvexString& from, const CKorvexString& to)
{
    if (from.IsEmpty())
        return *this;
    std::u16string result;
    size_t start = 0;
    for (size_t found = m_text.find(from.m_text); found != std::u16string::npos;
         found = m_text.find(from.m_text, start)) {
        result.append(m_text, start, found - start);
        result.append(to.m_text);
        start = found + from.m_text.size();
    }
    result.append(m_text, start, std::u16string::npos);
    m_text = std::move(result);
    return *this;
}

CKorvexString& CKorvexString::ReplaceCh(char16_t from, char16_t to)
{
    std::replace(m_text.begin(), m_text.end(), from, to);
    return *this;
}

CKorvexString& CKorvexString::TruncateAfter(int index)
{
    if (index < 0)
        m_text.clear();
    else if (index + 1 < Length())
        m_text.resize(static_cast<size_t>(index) + 1);
    return *this;
}

CKorvexString& CKorvexString::TruncateBefore(int index)
{
    if (index >= Length())
        m_text.clear();
    else if (index > 0)
        m_text.erase(0, static_cast<size_t>(index));
    return *this;
}

CKorvexString CKorvexString::ToLower() const
{
    return fromQString(toQt(m_text).toLower());
}

int CKorvexString::fileNameStart() const
{
    for (int i = Length() - 1; i >= 0; --i) {
        if (isSeparator(m_text[static_cast<size_t>(i)]))
            return i + 1;
    }
    return 0;
}

CKorvexString CKorvexString::Path(bool withSeparator) const
{
    const int start = fileNameStart();
    if (start == 0)
        return CKorvexString();
    return Mid(0, withSeparator ? start : start - 1);
}

CKorvexString& CKorvexString::RemovePath()
{
    return TruncateBefore(fileNameStart());
}

CKorvexString& CKorvexString::SetPath(const CKorvexString& folder)
{
    RemovePath();
    if (folder.IsEmpty())
        return *this;
    CKorvexString result = folder;
    if (!isSeparator(folder.LastCh()))
        result += u'/';
    result += *this;
    *this = std::move(result);
    return *this;
}

CKorvexString CKorvexString::Extension(bool withDot) const
{
    const int dot = FindLast(u'.');
    if (dot < fileNameStart())
        return CKorvexString();
    return Mid(withDot ? dot : dot + 1);
}

CKorvexString& CKorvexString::RemoveExt()
{
    const int dot = FindLast(u'.');
    if (dot >= fileNameStart())
        m_text.resize(static_cast<size_t>(dot));
    return *this;
}

CKorvexString& CKorvexString::operator+=(const CKorvexString& other)
{
    m_text += other.m_text;
    return *this;
}

CKorvexString& CKorvexString::operator+=(char16_t ch)
{
    m_text += ch;
    return *this;
}

CKorvexString operator+(CKorvexString a, const CKorvexString& b)
{
    a += b;
    return a;
}

CKorvexString operator+(CKorvexString a, char16_t ch)
{
    a += ch;
    return a;
}

QString toQString(const CKorvexString& text)
{
    return toQt(text.Utf16());
}

CKorvexString fromQString(const QString& text)
{
    return CKorvexString(fromQt(text));
}

QString textFromUtf8(const char* data, int size)
{
    static constexpr char mark[] = "\xEF\xBB\xBF";
    constexpr int markSize = 3;
    QString marks;
    int at = 0;
    while (size - at >= markSize && std::memcmp(data + at, mark, markSize) == 0) {
        marks += QChar(0xFEFF);
        at += markSize;
    }
    return marks + QString::fromUtf8(data + at, size - at);
}

} // namespace Korvex
