#include "KorvexTestEnvironment.h"

#include "KorvexScriptedPrompt.h"
#include "services/CKorvexProductInfo.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString makeFolder(const QString& root, const QString& name)
{
    const QString path = root + QLatin1Char('/') + name;
    QDir().mkpath(path);
    return path;
}

} // namespace

KorvexTestEnvironment::KorvexTestEnvironment()
    : m_root(QDir::tempPath() + QStringLiteral("/korvex-test-XXXXXX"))
{
    const QString root = m_root.path();
    qputenv("HOME", makeFolder(root, QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", makeFolder(root, QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", makeFolder(root, QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", makeFolder(root, QStringLiteral("cache")).toLocal8Bit());
    const QString runtime = makeFolder(root, QStringLiteral("runtime"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    m_fallbackPrompt = std::make_unique<KorvexScriptedPrompt>();
}

KorvexTestEnvironment::~KorvexTestEnvironment() = default;

QString KorvexTestEnvironment::homePath() const
{
    return m_root.path() + QStringLiteral("/home");
}

void KorvexTestEnvironment::clearSettings()
{
    auto settings = CKorvexProductInfo::openSettings();
    settings->clear();
    settings->sync();
}
