#include "fuzz/KorvexFuzzEnvironment.h"

#include "core/CKorvexActionFactory.h"
#include "fuzz/KorvexSilentPrompt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

void makeFolder(const QString& path)
{
    QDir().mkpath(path);
}

void discardMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    // Readers log what they skip; millions of inputs would bury the fuzzer's own report.
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

} // namespace

KorvexFuzzEnvironment& KorvexFuzzEnvironment::instance()
{
    // Never destroyed: the fuzzer leaves through exit(), after which Qt's globals are gone.
    static KorvexFuzzEnvironment* environment = new KorvexFuzzEnvironment();
    return *environment;
}

KorvexFuzzEnvironment::KorvexFuzzEnvironment()
{
    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/korvex-fuzz-XXXXXX"));
    root.setAutoRemove(false);
    m_root = root.path();
    // Left on disk only when the process dies; a clean exit removes it.
    std::atexit([] { QDir(KorvexFuzzEnvironment::instance().m_root).removeRecursively(); });
    const QString temp = m_root + QStringLiteral("/tmp");
    makeFolder(temp);
    qputenv("TMPDIR", QFile::encodeName(temp));
    if (!QCoreApplication::instance())
        makeApplication();
}

void KorvexFuzzEnvironment::makeApplication()
{
    const QString home = m_root + QStringLiteral("/home");
    makeFolder(home + QStringLiteral("/config"));
    makeFolder(home + QStringLiteral("/data"));
    makeFolder(home + QStringLiteral("/cache"));
    makeFolder(home + QStringLiteral("/runtime"));
    QFile::setPermissions(home + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home + QStringLiteral("/runtime")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("KORVEX_FUZZ_VERBOSE"))
        qInstallMessageHandler(discardMessages);
    QStandardPaths::setTestModeEnabled(true);

    static int argc = 1;
    static char name[] = "korvex-fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    Korvex::registerCoreArchivable();
    new KorvexSilentPrompt();
}

QString KorvexFuzzEnvironment::tempPath() const
{
    return m_root + QStringLiteral("/tmp");
}

QString KorvexFuzzEnvironment::writeInput(const char* target, const QString& name, const uint8_t* data,
                                          size_t size) const
{
    const QString path = tempPath() + QLatin1Char('/') + name;
    const QByteArray bytes = korvexFuzzBytes(data, size);
    QFile file(path);
    KORVEX_FUZZ_CHECK(target, file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
                      path);
    return path;
}

QByteArray korvexFuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), int(qMin(size, size_t(INT_MAX))));
}

QString korvexFuzzText(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(korvexFuzzBytes(data, size));
}

void korvexFuzzFail(const char* target, const char* what, const QString& detail)
{
    std::fprintf(stderr, "%s: broken promise: %s\n%s\n", target, what, qPrintable(detail));
    std::fflush(stderr);
    std::abort();
}
