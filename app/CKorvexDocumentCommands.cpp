#include "app/CKorvexDocumentCommands.h"

#include "app/CKorvexRecovery.h"
#include "app/DesignerMainWindow.h"
#include "properties/CKorvexBusyPopup.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexPageRenderer.h"
#include "services/CKorvexProductInfo.h"
#include "services/CKorvexPrompt.h"
#include "services/CKorvexRecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace {

enum SaveChoice { Save = 0, Discard = 1, Cancel = 2 };

} // namespace

CKorvexDocumentCommands::CKorvexDocumentCommands(DesignerMainWindow& window)
    : m_window(window)
{
}

CKorvexDocumentCommands::~CKorvexDocumentCommands() = default;

QString CKorvexDocumentCommands::titleFor(const QString& document)
{
    return CKorvexProductInfo::applicationName() + QStringLiteral(" - ") + document;
}

QString CKorvexDocumentCommands::templateFilter()
{
    return tr("Korvex Template File (*.ktf)");
}

bool CKorvexDocumentCommands::confirmDiscard(const QString& title)
{
    if (!m_window.isModified())
        return true;
    CKorvexMessageRequest request;
    request.icon = QMessageBox::Warning;
    request.title = title;
    request.text = tr("The document has been modified.\nDo you want to save your changes?");
    request.buttons = QStringList{tr("Save"), tr("Discard"), tr("Cancel")};
    request.defaultButton = Save;
    request.escapeButton = Cancel;
    const int choice = CKorvexPrompt::message(&m_window, request);
    if (choice == Save)
        save();
    return choice == Save || choice == Discard;
}

void CKorvexDocumentCommands::returnToPointer()
{
    m_window.onPointerActionToggled(true);
    m_window.scene()->setCreationType(QString());
}

void CKorvexDocumentCommands::newDocument()
{
    if (!confirmDiscard(CKorvexProductInfo::applicationName()))
        return;
    m_window.recovery().discard();
    m_window.setCurrentFile(QString());
    m_window.setDirty(false);
    m_window.setWindowTitle(titleFor(tr("New Document")));
    returnToPointer();
    m_window.scene()->resetPage(true);
    m_window.zoomToFit();
}

void CKorvexDocumentCommands::open()
{
    const QString start = m_window.openPath().isEmpty() ? QDir::homePath() : m_window.openPath();
    const QString path = CKorvexPrompt::openFileName(&m_window, tr("Open Template File"), start, templateFilter());
    if (!path.isEmpty())
        openChosen(path);
}

void CKorvexDocumentCommands::openChosen(const QString& path)
{
    if (!confirmDiscard(CKorvexProductInfo::applicationName()))
        return;
    returnToPointer();
    openPath(path);
    m_window.setDirty(false);
}

void CKorvexDocumentCommands::openRecent(const QString& path)
{
    if (QFileInfo(path).isFile()) {
        openChosen(path);
        return;
    }
    CKorvexRecentFiles::remove(path);
    m_window.refreshRecentFiles();
    CKorvexPrompt::warning(&m_window, CKorvexProductInfo::applicationName(),
                           tr("The template file %1 no longer exists.").arg(QDir::toNativeSeparators(path)));
}

bool CKorvexDocumentCommands::readPage(const QString& path)
{
    m_window.setWindowTitle(titleFor(tr("New Document")));
    returnToPointer();
    CKorvexDesignerScene* scene = m_window.scene();
    scene->resetPage(false);
    return scene->readTemplate(path);
}

void CKorvexDocumentCommands::openPath(const QString& path)
{
    m_window.recovery().discard();
    if (readPage(path)) {
        m_window.setOpenPath(path);
        m_window.setCurrentFile(path);
        m_window.setWindowTitle(titleFor(path));
        CKorvexRecentFiles::add(path);
        m_window.refreshRecentFiles();
    } else {
        CKorvexPrompt::warning(&m_window, CKorvexProductInfo::applicationName(),
                               tr("Unable to open the template file."));
    }
    m_window.writeSettings();
    m_window.setDirty(false);
}

bool CKorvexDocumentCommands::openRecovered(const QString& path, const QString& originalPath)
{
    if (!readPage(path))
        return false;
    m_window.setCurrentFile(QString());
    if (!originalPath.isEmpty())
        m_window.setSavePath(originalPath);
    // The recovered work is not saved anywhere yet.
    m_window.setDirty(true);
    return true;
}

QString CKorvexDocumentCommands::chooseSaveName()
{
    if (m_window.savePath().isEmpty())
        m_window.setSavePath(QDir::homePath());
    return CKorvexPrompt::saveFileName(&m_window, tr("Save Template File"), m_window.savePath(), templateFilter());
}

bool CKorvexDocumentCommands::writeTemplate(const QString& target)
{
    if (m_window.scene()->writeTemplate(target)) {
        m_window.setDirty(false);
        m_window.recovery().discard();
        CKorvexRecentFiles::add(target);
        m_window.refreshRecentFiles();
        return true;
    }
    CKorvexPrompt::warning(&m_window, CKorvexProductInfo::applicationName(), tr("Unable to save the file."));
    // The next Save asks for a name again.
    m_window.setCurrentFile(QString());
    return false;
}

void CKorvexDocumentCommands::save()
{
    QString target = m_window.currentFile();
    if (!target.isEmpty()) {
        m_window.setSavePath(target);
    } else {
        target = chooseSaveName();
        if (target.isEmpty())
            return;
        m_window.setSavePath(target);
        m_window.setCurrentFile(target);
    }
    if (!m_busyPopup)
        m_busyPopup = new CKorvexBusyPopup(&m_window);
    m_busyPopup->showNow(QStringLiteral("   <b>") + tr("Saving...Please wait") + QStringLiteral(" </b>   "));
    writeTemplate(target);
    m_window.setWindowTitle(titleFor(target));
    m_window.writeSettings();
    m_busyPopup->hide();
}

void CKorvexDocumentCommands::saveAs()
{
    const QString target = chooseSaveName();
    if (target.isEmpty())
        return;
    m_window.setCurrentFile(target);
    m_window.setSavePath(target);
    writeTemplate(target);
    m_window.writeSettings();
    m_window.setWindowTitle(titleFor(m_window.currentFile()));
}

QString CKorvexDocumentCommands::exportStart() const
{
    const QString document = m_window.currentFile().isEmpty() ? m_window.savePath() : m_window.currentFile();
    const QFileInfo info(document);
    if (document.isEmpty() || info.isDir())
        return document.isEmpty() ? QDir::homePath() : document;
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".png");
}

void CKorvexDocumentCommands::exportPage()
{
    QString target = CKorvexPrompt::saveFileName(&m_window, tr("Export Page"), exportStart(),
                                                 tr("PNG Picture (*.png);;PDF Document (*.pdf)"));
    if (target.isEmpty())
        return;
    const QString suffix = QFileInfo(target).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png"))
        target += QStringLiteral(".png");
    CKorvexPageRenderer renderer(*m_window.scene());
    bool written = false;
    if (suffix == QLatin1String("pdf")) {
        written = renderer.renderPdf(target, 1.0);
    } else {
        const QImage picture = renderer.renderImage(1.0);
        QSaveFile file(target);
        written = !picture.isNull() && file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
    }
    if (!written)
        CKorvexPrompt::warning(&m_window, CKorvexProductInfo::applicationName(), tr("Unable to export the page."));
}

bool CKorvexDocumentCommands::mayClose()
{
    if (!confirmDiscard(tr("Save Template")))
        return false;
    m_window.writeSettings();
    return true;
}
