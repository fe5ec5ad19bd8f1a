#include "io/CKorvexWorkingFolder.h"

#include <QDir>
#include <QUuid>

QString CKorvexWorkingFolder::make()
{
    const QString path = QDir::tempPath() + QLatin1Char('/') + QUuid::createUuid().toString();
    // mkdir, not mkpath: the folder must be new, and the temporary folder must exist already.
    return QDir().mkdir(path) ? path : QString();
}
