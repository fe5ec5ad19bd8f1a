#include "tools/CKorvexToolArguments.h"

#include "tools/CKorvexThumbnail.h"

#include <QFileInfo>
#include <QHash>
#include <cmath>

namespace {

struct CommandForm
{
    QString synopsis;
    QString summary;
    int fileCount;
    QStringList options;
};

const QList<QPair<QString, CommandForm>>& commandForms()
{
    static const QList<QPair<QString, CommandForm>> forms = {
        {QStringLiteral("info"),
         {QStringLiteral("info TEMPLATE [--json]"),
          QStringLiteral("print the read version and every item's type and record, bottom item first"), 1,
          {QStringLiteral("--json")}}},
        {QStringLiteral("resave"),
         {QStringLiteral("resave IN OUT"), QStringLiteral("read IN and save it again as the template package OUT"), 2,
          {}}},
        {QStringLiteral("preview"),
         {QStringLiteral("preview TEMPLATE OUT.png"), QStringLiteral("write the preview picture a save packs"), 2, {}}},
        {QStringLiteral("render"),
         {QStringLiteral("render TEMPLATE OUT [--scale F] [--dictionary FILE.df]"),
          QStringLiteral("draw the page to OUT, a .png picture or a one-page vector .pdf"), 2,
          {QStringLiteral("--scale"), QStringLiteral("--dictionary")}}},
        {QStringLiteral("thumbnail"),
         {QStringLiteral("thumbnail TEMPLATE OUT.png [--size N]"),
          QStringLiteral("write the page's picture for file managers, N pixels at most a side (128)"), 2,
          {QStringLiteral("--size")}}},
        {QStringLiteral("validate"),
         {QStringLiteral("validate TEMPLATE [--dictionary FILE.df]"),
          QStringLiteral("list problems; exit 0 clean, 2 with warnings, 1 unreadable"), 1,
          {QStringLiteral("--dictionary")}}},
    };
    return forms;
}

const CommandForm* formOf(const QString& command)
{
    for (const auto& entry : commandForms()) {
        if (entry.first == command)
            return &entry.second;
    }
    return nullptr;
}

} // namespace

QString CKorvexToolArguments::helpText()
{
    QString text = QStringLiteral("Usage: korvex-template COMMAND ARGUMENTS...\n\nCommands:\n");
    const auto line = [](const QString& synopsis, const QString& summary) {
        return QStringLiteral("  %1  %2\n").arg(synopsis.leftJustified(54), summary);
    };
    for (const auto& entry : commandForms())
        text += line(entry.second.synopsis, entry.second.summary);
    text += line(QStringLiteral("--help"), QStringLiteral("show this help"));
    text += line(QStringLiteral("--version"), QStringLiteral("show the version"));
    text += QStringLiteral("\nExit status: 0 done, 1 failed, 2 validate found warnings, 64 wrong usage.\n");
    return text;
}

bool CKorvexToolArguments::allows(const QString& option) const
{
    const CommandForm* form = formOf(m_command);
    return form && form->options.contains(option);
}

bool CKorvexToolArguments::takeValue(const QString& option, const QStringList& arguments, int& index,
                                     QString& value)
{
    const QString& argument = arguments.at(index);
    if (argument.startsWith(option + QLatin1Char('='))) {
        value = argument.mid(option.size() + 1);
        return true;
    }
    if (index + 1 >= arguments.size()) {
        m_error = QStringLiteral("%1 needs a value").arg(option);
        return false;
    }
    value = arguments.at(++index);
    return true;
}

bool CKorvexToolArguments::readOption(const QStringList& arguments, int& index)
{
    const QString argument = arguments.at(index);
    const QString option = argument.section(QLatin1Char('='), 0, 0);
    if (!allows(option)) {
        m_error = QStringLiteral("%1 does not take the option %2").arg(m_command, option);
        return false;
    }
    if (option == QLatin1String("--json")) {
        m_json = argument == option;
        if (!m_json)
            m_error = QStringLiteral("--json takes no value");
        return m_json;
    }
    QString value;
    if (!takeValue(option, arguments, index, value))
        return false;
    if (option == QLatin1String("--dictionary")) {
        m_dictionary = value;
        if (value.isEmpty())
            m_error = QStringLiteral("--dictionary needs a file");
        return !value.isEmpty();
    }
    if (option == QLatin1String("--size"))
        return readSize(value);
    bool ok = false;
    m_scale = value.toDouble(&ok);
    if (!ok || !std::isfinite(m_scale) || m_scale <= 0) {
        m_error = QStringLiteral("--scale needs a number greater than 0, not \"%1\"").arg(value);
        return false;
    }
    return true;
}

bool CKorvexToolArguments::readSize(const QString& value)
{
    bool ok = false;
    m_size = value.toInt(&ok);
    if (ok && m_size > 0 && m_size <= CKorvexThumbnail::maximumSize)
        return true;
    m_error = QStringLiteral("--size needs a whole number from 1 to %1, not \"%2\"")
                  .arg(CKorvexThumbnail::maximumSize)
                  .arg(value);
    return false;
}

void CKorvexToolArguments::checkFiles()
{
    const CommandForm* form = formOf(m_command);
    if (m_files.size() != form->fileCount) {
        m_error = QStringLiteral("%1 takes %2 file argument(s): korvex-template %3")
                      .arg(m_command, QString::number(form->fileCount), form->synopsis);
        return;
    }
    if (m_command == QLatin1String("render")) {
        const QString suffix = QFileInfo(file(1)).suffix().toLower();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))
            m_error = QStringLiteral("render writes .png or .pdf files, not \"%1\"").arg(file(1));
    }
}

CKorvexToolArguments CKorvexToolArguments::parse(const QStringList& arguments)
{
    CKorvexToolArguments parsed;
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        parsed.m_help = true;
        return parsed;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        parsed.m_version = true;
        return parsed;
    }
    if (arguments.isEmpty()) {
        parsed.m_error = QStringLiteral("no command given");
        return parsed;
    }
    parsed.m_command = arguments.first();
    if (!formOf(parsed.m_command)) {
        parsed.m_error = QStringLiteral("unknown command \"%1\"").arg(parsed.m_command);
        return parsed;
    }
    bool optionsEnded = false;
    for (int index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            if (!parsed.readOption(arguments, index))
                return parsed;
        } else {
            parsed.m_files.append(argument);
        }
    }
    parsed.checkFiles();
    return parsed;
}
