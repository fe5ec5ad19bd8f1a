#include "tools/CKorvexTemplateBlocks.h"

#include "io/CKorvexTemplateText.h"
#include "scene/CKorvexItemFactory.h"
#include "io/CKorvexPropertyKeys.h"

#include <QFile>

QString CKorvexTemplateBlocks::Record::type() const
{
    return record.value(CKorvexPropertyKeys::Type).toString();
}

QString CKorvexTemplateBlocks::Record::name() const
{
    const QString kind = type();
    const QString item = QStringLiteral("item %1").arg(number);
    if (kind.isEmpty())
        return item;
    return item + QStringLiteral(" (%1)").arg(CKorvexItemFactory::isKnownType(kind) ? kind : quoted(kind));
}

QString CKorvexTemplateBlocks::quoted(const QString& text)
{
    constexpr int longest = 60;
    QString shown = text.left(longest);
    for (QChar& character : shown) {
        if (character.category() == QChar::Other_Control)
            character = QLatin1Char('?');
    }
    if (text.size() > longest)
        shown += QStringLiteral("...");
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

bool CKorvexTemplateBlocks::load(const QString& textPath)
{
    QFile file(textPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const CKorvexTemplateText::Parsed parsed = CKorvexTemplateText::parse(file);
    m_version = parsed.version;
    cut(parsed.keptLines);
    m_withinBounds = parsed.withinBounds;
    return true;
}

void CKorvexTemplateBlocks::cut(const QStringList& keptLines)
{
    // The same cutting rule as the scene's addItemsFromLines: a trimmed "item begin" opens a
    // block that runs to the next trimmed "item end" or to the end of the text.
    m_records.clear();
    m_keptLineCount = keptLines.size();
    int position = 0;
    while (position < keptLines.size()) {
        Record entry;
        entry.number = m_records.size() + 1;
        int next = position + 1;
        if (keptLines.at(position).trimmed() == QLatin1String("item begin")) {
            int end = next;
            while (end < keptLines.size() && keptLines.at(end).trimmed() != QLatin1String("item end"))
                ++end;
            entry.isBlock = true;
            entry.lines = keptLines.mid(next, end - next);
            entry.record.fromItemBlock(entry.lines.join(QLatin1Char('\n')));
            next = end + 1;
        } else {
            entry.lines = QStringList{keptLines.at(position)};
        }
        m_records.append(entry);
        position = next;
    }
}

QString CKorvexTemplateBlocks::readFailure() const
{
    if (!m_withinBounds)
        return QStringLiteral("the template text is too large to read (a line over %1 characters, over %2 "
                              "characters in all or over %3 items)")
            .arg(QString::number(CKorvexTemplateText::maxLineLength), QString::number(CKorvexTemplateText::maxTextLength),
                 QString::number(CKorvexTemplateText::maxBlocks));
    if (m_keptLineCount < 2)
        return QStringLiteral("the template text has fewer than two lines of items");
    for (const Record& entry : m_records) {
        if (!entry.isBlock) {
            const QString line = entry.lines.value(0);
            const QString where = entry.number > 1 ? QStringLiteral("after item %1").arg(entry.number - 1)
                                                   : QStringLiteral("before the first item");
            if (line.trimmed().isEmpty())
                return QStringLiteral("an empty line stands between the item blocks, %1").arg(where);
            return QStringLiteral("a line outside the item blocks, %1: %2").arg(where, quoted(line));
        }
        const QString type = entry.type();
        if (!entry.record.contains(CKorvexPropertyKeys::Type))
            return QStringLiteral("%1 has no \"type\"").arg(entry.name());
        if (!CKorvexItemFactory::isKnownType(type))
            return QStringLiteral("item %1 has the unknown type %2").arg(QString::number(entry.number), quoted(type));
    }
    return QString();
}
