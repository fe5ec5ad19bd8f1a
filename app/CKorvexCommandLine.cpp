#include "app/CKorvexCommandLine.h"

#include <QFileInfo>

CKorvexCommandLine CKorvexCommandLine::evaluate(const QStringList& arguments)
{
    CKorvexCommandLine result;
    QStringList rest = arguments;

    const int onTop = findSwitch(rest, QStringLiteral("-alwaysontop"));
    if (onTop >= 0) {
        result.m_alwaysOnTop = true;
        rest.removeAt(onTop);
    }

    takeSwitchWithValue(rest, QStringLiteral("-parentPath"));

    const auto preview = takeSwitchWithValue(rest, QStringLiteral("-annot3DPreviewImage"));
    if (preview) {
        result.m_hasPreviewImage = true;
        result.m_previewImagePath = preview->trimmed();
    }

    result.m_remaining = rest;
    if (rest.size() > 1) {
        result.m_templatePath = rest.at(1);
        const QFileInfo info(result.m_templatePath);
        result.m_start = info.exists() && info.isFile() ? Start::OpenTemplate : Start::NewDocumentAtPath;
    }
    return result;
}

int CKorvexCommandLine::findSwitch(const QStringList& arguments, const QString& name)
{
    // Element 0 is the program itself, never a switch.
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<QString> CKorvexCommandLine::takeSwitchWithValue(QStringList& arguments, const QString& name)
{
    const int index = findSwitch(arguments, name);
    if (index < 0)
        return std::nullopt;
    std::optional<QString> value;
    if (index + 1 < arguments.size())
        value = arguments.takeAt(index + 1);
    arguments.removeAt(index);
    return value;
}
