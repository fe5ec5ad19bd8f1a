#include "services/CKorvexProductInfo.h"

#include <QSettings>

QString CKorvexProductInfo::organizationName()
{
    return QStringLiteral("Korvex");
}

QString CKorvexProductInfo::applicationName()
{
    return QStringLiteral("Korvex Template Designer");
}

QString CKorvexProductInfo::version()
{
    return QStringLiteral(KORVEX_VERSION_STRING);
}

std::unique_ptr<QSettings> CKorvexProductInfo::openSettings()
{
    return std::make_unique<QSettings>(organizationName(), applicationName());
}
