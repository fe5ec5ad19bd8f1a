#include "app/CKorvexRecovery.h"

#include "app/CKorvexDocumentCommands.h"
#include "app/DesignerMainWindow.h"
#include "core/CKorvexUndoManager.h"
#include "scene/CKorvexDesignerScene.h"
#include "services/CKorvexProductInfo.h"
#include "services/CKorvexPrompt.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>

namespace {

enum OfferChoice { OpenRecovered = 0, DiscardRecovered = 1 };

QString settingsFolder()
{
    return QFileInfo(CKorvexProductInfo::openSettings()->fileName()).absolutePath();
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

CKorvexRecovery::CKorvexRecovery(DesignerMainWindow& window, CKorvexDocumentCommands& document)
    : m_window(window)
    , m_document(document)
{
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &CKorvexRecovery::onTimer);
}

CKorvexRecovery::~CKorvexRecovery() = default;

QString CKorvexRecovery::sidePath(const QString& suffix) const
{
    return settingsFolder() + QStringLiteral("/recovery") + suffix;
}

QString CKorvexRecovery::packagePath() const
{
    return sidePath(QStringLiteral(".ktf"));
}

void CKorvexRecovery::start()
{
    if (m_lock)
        return;
    QDir().mkpath(settingsFolder());
    auto lock = std::make_unique<QLockFile>(sidePath(QStringLiteral(".lock")));
    // Only a lock whose process is gone is stale: a designer may run for days.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return;
    m_lock = std::move(lock);
    offer();
    m_timer.start();
}

void CKorvexRecovery::discard()
{
    if (!m_lock)
        return;
    QFile::remove(packagePath());
    QFile::remove(sidePath(QStringLiteral(".path")));
    m_writtenState.clear();
}

QString CKorvexRecovery::pageState() const
{
    QStringList state{m_window.currentFile()};
    const QList<CKorvexDesignerProperty> records = m_window.scene()->writtenRecords();
    for (const CKorvexDesignerProperty& record : records)
        state.append(record.toItemBlock());
    return state.join(QLatin1Char('\n'));
}

void CKorvexRecovery::onTimer()
{
    if (!m_lock)
        return;
    if (!m_window.isModified()) {
        discard();
        return;
    }
    // Drawing the preview hides the handles, which would end a drag in progress: wait for the next tick.
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    const QString state = pageState();
    if (state == m_writtenState)
        return;
    // The place Save As proposes for the recovered page.
    const QString original = m_window.currentFile().isEmpty() ? m_window.savePath() : m_window.currentFile();
    QSaveFile path(sidePath(QStringLiteral(".path")));
    const bool written = path.open(QIODevice::WriteOnly) && path.write(original.toUtf8()) >= 0 && path.commit()
                         && m_window.scene()->writeTemplateCopy(packagePath());
    if (written)
        m_writtenState = state;
}

void CKorvexRecovery::offer()
{
    if (!QFileInfo(packagePath()).isFile())
        return;
    if (!recoveredPageReads()) {
        setAside();
        return;
    }
    CKorvexMessageRequest request;
    request.icon = QMessageBox::Question;
    request.title = CKorvexProductInfo::applicationName();
    request.text = tr("The designer did not close properly last time.\n"
                      "Do you want to open the page it recovered?");
    request.buttons = QStringList{tr("Open"), tr("Discard")};
    request.defaultButton = OpenRecovered;
    // Closing the box keeps the work.
    request.escapeButton = OpenRecovered;
    if (CKorvexPrompt::message(&m_window, request) != OpenRecovered)
        discard();
    else if (!m_document.openRecovered(packagePath(), readText(sidePath(QStringLiteral(".path")))))
        setAside();
}

bool CKorvexRecovery::recoveredPageReads() const
{
    // A page of its own with a history of its own: the window's page and history stay untouched.
    Korvex::CKorvexUndoManager history;
    CKorvexDesignerScene page(nullptr, &history);
    return page.readTemplate(packagePath());
}

void CKorvexRecovery::setAside()
{
    const QString aside =
        sidePath(QStringLiteral("-unreadable-%1.ktf").arg(QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss")));
    if (!QFile::rename(packagePath(), aside))
        QFile::remove(packagePath());
    QFile::remove(sidePath(QStringLiteral(".path")));
    CKorvexPrompt::warning(&m_window, CKorvexProductInfo::applicationName(),
                           tr("The page recovered after the last run cannot be read. It was kept as %1.")
                               .arg(QDir::toNativeSeparators(aside)));
}
