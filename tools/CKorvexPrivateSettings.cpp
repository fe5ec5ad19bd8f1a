#include "tools/CKorvexPrivateSettings.h"

#include <QSettings>

bool CKorvexPrivateSettings::activate()
{
    if (!m_folder.isValid())
        return false;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        // The system scope too: the store falls back to it for keys the user scope lacks.
        QSettings::setPath(format, QSettings::UserScope, m_folder.path() + QStringLiteral("/user"));
        QSettings::setPath(format, QSettings::SystemScope, m_folder.path() + QStringLiteral("/system"));
    }
    m_active = true;
    return true;
}
