#include "services/CKorvexLanguageService.h"

#include "services/CKorvexProductInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QTranslator>

namespace {

const QString translationKey = QStringLiteral("translation");
const QString rightToLeftSuffix = QStringLiteral("_rtl");

} // namespace

CKorvexLanguageService& CKorvexLanguageService::instance()
{
    static CKorvexLanguageService service;
    return service;
}

CKorvexLanguageService::CKorvexLanguageService() = default;

CKorvexLanguageService::~CKorvexLanguageService()
{
    removeTranslators();
}

void CKorvexLanguageService::setLanguagesDirectory(const QString& directory)
{
    m_directory = directory;
    if (m_directory.isEmpty())
        m_directory = QCoreApplication::applicationDirPath() + QStringLiteral("/languages");
    m_files = discover(m_directory, &m_order);
}

QString CKorvexLanguageService::languagesDirectory() const
{
    return m_directory;
}

QStringList CKorvexLanguageService::languages() const
{
    return m_order;
}

QStringList CKorvexLanguageService::files(const QString& language) const
{
    return m_files.value(language);
}

bool CKorvexLanguageService::isRightToLeft(const QString& language) const
{
    const QStringList paths = files(language);
    for (const QString& path : paths) {
        if (QFileInfo(path).completeBaseName().endsWith(rightToLeftSuffix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString CKorvexLanguageService::chosenLanguage()
{
    const auto settings = CKorvexProductInfo::openSettings();
    const QString language = settings->value(translationKey).toString();
    return language.isEmpty() ? QStringLiteral("English") : language;
}

void CKorvexLanguageService::setChosenLanguage(const QString& language)
{
    const auto settings = CKorvexProductInfo::openSettings();
    settings->setValue(translationKey, language);
}

QString CKorvexLanguageService::currentLanguage() const
{
    return m_current;
}

void CKorvexLanguageService::switchLanguage(const QString& language)
{
    if (language.isEmpty() || language == m_current)
        return;
    removeTranslators();
    m_current = language;
    const QStringList paths = files(language);
    for (const QString& path : paths) {
        auto* translator = new QTranslator;
        if (!translator->load(path)) {
            delete translator;
            continue;
        }
        // Installing reports false for a file without messages, yet the translator is in place.
        QCoreApplication::installTranslator(translator);
        m_translators.append(translator);
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(isRightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight);
}

int CKorvexLanguageService::installedTranslatorCount() const
{
    return m_translators.size();
}

QMap<QString, QStringList> CKorvexLanguageService::discover(const QString& directory, QStringList* order)
{
    QMap<QString, QStringList> groups;
    if (order)
        order->clear();
    if (directory.isEmpty())
        return groups;
    const QDir folder(directory);
    const QFileInfoList entries = folder.entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString language = languageOfFile(entry.fileName());
        if (language.isEmpty())
            continue;
        if (order && !groups.contains(language))
            order->append(language);
        groups[language].append(entry.absoluteFilePath());
    }
    return groups;
}

QString CKorvexLanguageService::languageOfFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (info.suffix().compare(QStringLiteral("qm"), Qt::CaseInsensitive) != 0)
        return QString();
    const QString baseName = info.completeBaseName();
    const int underscore = baseName.indexOf(QLatin1Char('_'));
    if (underscore < 0)
        return QString();
    return baseName.left(underscore);
}

void CKorvexLanguageService::removeTranslators()
{
    // The service outlives the application object; without it there is nothing to uninstall.
    const bool haveApplication = QCoreApplication::instance() != nullptr;
    for (QTranslator* translator : qAsConst(m_translators)) {
        if (haveApplication)
            QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    m_translators.clear();
}
