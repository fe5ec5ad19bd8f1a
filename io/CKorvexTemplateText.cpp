#include "io/CKorvexTemplateText.h"

#include <QIODevice>
#include <QTextStream>

const char* CKorvexTemplateText::headerLine()
{
    return "Template file versoin 1.0";
}

const char* CKorvexTemplateText::versionPrefix()
{
    return "kvx file version";
}

QByteArray CKorvexTemplateText::compose(const QStringList& blocks)
{
    QByteArray text = QByteArray(headerLine()) + '\n';
    text += QByteArray(versionPrefix()) + ' ' + QByteArray::number(writtenVersion) + '\n';
    text += blocks.join(QLatin1Char('\n')).toUtf8() + '\n';
    return text;
}

std::optional<unsigned> CKorvexTemplateText::versionOfLine(const QString& line)
{
    const QString prefix = QLatin1String(versionPrefix());
    if (!line.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    QString rest = line;
    if (line.startsWith(prefix + QLatin1Char(' '), Qt::CaseInsensitive))
        rest = line.mid(prefix.size() + 1);
    bool ok = false;
    const unsigned number = rest.toUInt(&ok, 10);
    return ok ? number : 0u;
}

bool CKorvexTemplateText::isHeaderLine(const QString& line)
{
    return line.compare(QLatin1String(headerLine()), Qt::CaseInsensitive) == 0;
}

CKorvexTemplateText::Parsed CKorvexTemplateText::parse(QIODevice& device)
{
    Parsed parsed;
    QTextStream stream(&device);
    stream.setCodec("UTF-8");
    QString line;
    qint64 textLength = 0;
    int blocks = 0;
    // readLineInto drops the line feed and a carriage return before it.
    while (stream.readLineInto(&line, maxLineLength + 1)) {
        textLength += line.size() + 1;
        if (line.size() > maxLineLength || textLength > maxTextLength) {
            parsed.withinBounds = false;
            return parsed;
        }
        if (const auto version = versionOfLine(line)) {
            parsed.version = version;
            continue;
        }
        if (isHeaderLine(line))
            continue;
        if (line.trimmed() == QLatin1String("item begin") && ++blocks > maxBlocks) {
            parsed.withinBounds = false;
            return parsed;
        }
        parsed.keptLines.append(line);
    }
    return parsed;
}
