#include "io/CKorvexDesignerProperty.h"

#include "io/CKorvexPropertyText.h"

CKorvexDesignerProperty::~CKorvexDesignerProperty() = default;

bool CKorvexDesignerProperty::contains(const QString& key) const
{
    return m_entries.contains(key);
}

QVariant CKorvexDesignerProperty::value(const QString& key) const
{
    return m_entries.value(key);
}

void CKorvexDesignerProperty::setValue(const QString& key, const QVariant& value)
{
    m_entries.insert(key, value);
}

QVariant& CKorvexDesignerProperty::operator[](const QString& key)
{
    return m_entries[key];
}

void CKorvexDesignerProperty::remove(const QString& key)
{
    m_entries.remove(key);
}

QStringList CKorvexDesignerProperty::keys() const
{
    return m_entries.keys();
}

bool CKorvexDesignerProperty::isEmpty() const
{
    return m_entries.isEmpty();
}

void CKorvexDesignerProperty::clear()
{
    m_entries.clear();
}

bool CKorvexDesignerProperty::matches(const CKorvexDesignerProperty& other) const
{
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        const auto found = other.m_entries.constFind(it.key());
        if (found == other.m_entries.cend() || found.value() != it.value())
            return false;
    }
    return true;
}

QString CKorvexDesignerProperty::toItemBlock() const
{
    QStringList lines{QStringLiteral("item begin")};
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        const QString key = it.key().toLower();
        if (!CKorvexPropertyText::isKnownKey(key))
            continue;
        lines << key + QLatin1Char(':') + CKorvexPropertyText::toText(key, m_entries.value(key));
    }
    lines << QStringLiteral("item end");
    return lines.join(QLatin1Char('\n'));
}

void CKorvexDesignerProperty::fromItemBlock(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    fromItemLines(lines, 0, lines.size());
}

void CKorvexDesignerProperty::fromItemLines(const QStringList& lines, int first, int count)
{
    m_entries.clear();
    const int end = qMin(lines.size(), first + count);
    for (int index = qMax(0, first); index < end; ++index)
        readLine(lines.at(index));
}

void CKorvexDesignerProperty::readLine(const QString& line)
{
    const int colon = line.indexOf(QLatin1Char(':'));
    const QString key = (colon < 0 ? line : line.left(colon)).toLower().trimmed();
    if (!CKorvexPropertyText::isKnownKey(key))
        return;
    const QString value = colon < 0 ? line : line.mid(colon + 1);
    m_entries.insert(key, CKorvexPropertyText::fromText(key, value));
}

QObject* CKorvexDesignerProperty::owner() const
{
    return m_owner;
}

void CKorvexDesignerProperty::setOwner(QObject* owner)
{
    m_owner = owner;
}
