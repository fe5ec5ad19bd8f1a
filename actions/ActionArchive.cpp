#include "actions/ActionArchive.h"

#include "core/CKorvexString.h"

#include <QLocale>

#include <limits>

namespace {

const QString kElementMarker = QStringLiteral("<?KORVEX_ELEMENT>");
const QString kLineMarker = QStringLiteral("<?KORVEX_ENDL>");

bool isDigits(const QStringRef& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    }
    return true;
}

/// Digits only: no sign, no blanks.
bool parseUnsigned(const QString& text, unsigned& value)
{
    bool ok = false;
    const qulonglong number = isDigits(QStringRef(&text)) ? text.toULongLong(&ok) : 0;
    ok = ok && number <= std::numeric_limits<unsigned>::max();
    value = ok ? static_cast<unsigned>(number) : 0;
    return ok;
}

/// An optional sign followed by digits, within 32 bits.
bool parseSigned(const QString& text, int& value)
{
    const bool signed_ = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'));
    bool ok = false;
    const qlonglong number = isDigits(text.midRef(signed_ ? 1 : 0)) ? text.toLongLong(&ok) : 0;
    ok = ok && number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max();
    value = ok ? static_cast<int>(number) : 0;
    return ok;
}

} // namespace

ActionArchive::ActionArchive(int mode)
    : CKorvexArchiveBase(mode == kModeRead)
    , m_mode(mode)
{
}

ActionArchive::~ActionArchive() = default;

QString ActionArchive::ToString() const
{
    QString text;
    for (int i = 0; i < m_elements.size(); ++i) {
        if (i > 0)
            text += kElementMarker;
        QString element = m_elements.at(i);
        text += element.replace(QLatin1Char('\n'), kLineMarker);
    }
    return text;
}

void ActionArchive::FromString(const QString& text)
{
    m_elements = text.split(kElementMarker, Qt::KeepEmptyParts, Qt::CaseSensitive);
    for (QString& element : m_elements)
        element.replace(kLineMarker, QStringLiteral("\n"), Qt::CaseSensitive);
}

bool ActionArchive::takeElement(QString& element)
{
    if (m_readCursor < 0 || m_readCursor >= m_elements.size())
        return false;
    element = m_elements.at(m_readCursor++);
    return true;
}

bool ActionArchive::ArchiveUInt(unsigned* value)
{
    if (!value)
        return false;
    if (writing()) {
        m_elements.append(QString::number(*value));
        return true;
    }
    QString element;
    return takeElement(element) && parseUnsigned(element, *value);
}

bool ActionArchive::ArchiveBool(bool* value)
{
    if (!value)
        return false;
    if (writing()) {
        m_elements.append(*value ? QStringLiteral("1") : QStringLiteral("0"));
        return true;
    }
    QString element;
    if (!takeElement(element))
        return false;
    int number = 0;
    const bool ok = parseSigned(element, number);
    *value = number != 0;
    return ok;
}

bool ActionArchive::ArchiveDouble(double* value)
{
    if (!value)
        return false;
    if (writing()) {
        m_elements.append(QString::number(*value, 'g', 6));
        return true;
    }
    QString element;
    if (!takeElement(element))
        return false;
    bool ok = false;
    const double number = QLocale::c().toDouble(element, &ok);
    *value = ok ? number : 0.0;
    return ok;
}

bool ActionArchive::ArchiveString(Korvex::CKorvexString* value)
{
    if (!value)
        return false;
    if (writing()) {
        QString text = Korvex::toQString(*value);
        const int nul = text.indexOf(QChar(0));
        m_elements.append(nul < 0 ? text : text.left(nul));
        return true;
    }
    QString element;
    if (!takeElement(element))
        return false;
    *value = Korvex::fromQString(element);
    return true;
}
