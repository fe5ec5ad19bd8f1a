#include "services/CKorvexPrompt.h"

#include "services/CKorvexDialogPromptHandler.h"

#include <QCoreApplication>

namespace {

CKorvexPromptHandler* installedHandler = nullptr;

CKorvexDialogPromptHandler& interactiveHandler()
{
    static CKorvexDialogPromptHandler handler;
    return handler;
}

void okBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    CKorvexMessageRequest request;
    request.icon = icon;
    request.title = title;
    request.text = text;
    request.buttons << QCoreApplication::translate("CKorvexPrompt", "Ok");
    request.escapeButton = 0;
    CKorvexPrompt::message(parent, request);
}

QString chooseFile(QWidget* parent, CKorvexFileRequest::Mode mode, const QString& title,
                   const QString& startPath, const QString& filter)
{
    CKorvexFileRequest request;
    request.mode = mode;
    request.title = title;
    request.startPath = startPath;
    request.filter = filter;
    return CKorvexPrompt::handler().file(parent, request);
}

} // namespace

void CKorvexPrompt::setHandler(CKorvexPromptHandler* handler)
{
    installedHandler = handler;
}

CKorvexPromptHandler& CKorvexPrompt::handler()
{
    if (installedHandler)
        return *installedHandler;
    return interactiveHandler();
}

int CKorvexPrompt::message(QWidget* parent, const CKorvexMessageRequest& request)
{
    return handler().message(parent, request);
}

void CKorvexPrompt::information(QWidget* parent, const QString& title, const QString& text)
{
    okBox(parent, QMessageBox::Information, title, text);
}

void CKorvexPrompt::warning(QWidget* parent, const QString& title, const QString& text)
{
    okBox(parent, QMessageBox::Warning, title, text);
}

void CKorvexPrompt::critical(QWidget* parent, const QString& title, const QString& text)
{
    okBox(parent, QMessageBox::Critical, title, text);
}

QString CKorvexPrompt::openFileName(QWidget* parent, const QString& title, const QString& startPath,
                                    const QString& filter)
{
    return chooseFile(parent, CKorvexFileRequest::Open, title, startPath, filter);
}

QString CKorvexPrompt::saveFileName(QWidget* parent, const QString& title, const QString& startPath,
                                    const QString& filter)
{
    return chooseFile(parent, CKorvexFileRequest::Save, title, startPath, filter);
}

QString CKorvexPrompt::existingDirectory(QWidget* parent, const QString& title, const QString& startPath)
{
    return chooseFile(parent, CKorvexFileRequest::Directory, title, startPath, QString());
}

QColor CKorvexPrompt::color(QWidget* parent, const QColor& initial, const QString& title, bool withAlpha)
{
    return handler().color(parent, CKorvexColorRequest{initial, title, withAlpha});
}

int CKorvexPrompt::exec(QDialog& dialog)
{
    return handler().exec(dialog);
}

QAction* CKorvexPrompt::popup(QMenu& menu, const QPoint& globalPosition)
{
    return handler().popup(menu, globalPosition);
}
