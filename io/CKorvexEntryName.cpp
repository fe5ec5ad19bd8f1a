#include "io/CKorvexEntryName.h"

#include "core/CKorvexString.h"

#include <QByteArray>
#include <QString>

namespace {

bool hasDrivePrefix(const QString& name)
{
    return name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter();
}

} // namespace

QStringList CKorvexEntryName::safeComponents(const QByteArray& rawName)
{
    if (rawName.isEmpty() || rawName.contains('\0'))
        return {};
    QString name = Korvex::textFromUtf8(rawName.constData(), rawName.size());
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.startsWith(QLatin1Char('/')) || hasDrivePrefix(name))
        return {};
    QStringList components;
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == QLatin1String(".."))
            return {};
        if (part != QLatin1String("."))
            components.append(part);
    }
    return components;
}

bool CKorvexEntryName::namesFolder(const QByteArray& rawName)
{
    return rawName.endsWith('/') || rawName.endsWith('\\');
}
