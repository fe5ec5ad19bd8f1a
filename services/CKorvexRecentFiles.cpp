#include "services/CKorvexRecentFiles.h"

#include "services/CKorvexProductInfo.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString recentFilesKey = QStringLiteral("Designer/recentfiles");

QString normalized(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

QStringList CKorvexRecentFiles::files()
{
    return CKorvexProductInfo::openSettings()->value(recentFilesKey).toStringList().mid(0, maximum);
}

void CKorvexRecentFiles::add(const QString& path)
{
    QStringList list = files();
    list.removeAll(normalized(path));
    list.prepend(normalized(path));
    store(list.mid(0, maximum));
}

void CKorvexRecentFiles::remove(const QString& path)
{
    QStringList list = files();
    list.removeAll(normalized(path));
    store(list);
}

void CKorvexRecentFiles::store(const QStringList& files)
{
    CKorvexProductInfo::openSettings()->setValue(recentFilesKey, files);
}
