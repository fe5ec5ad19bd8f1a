#include "tools/CKorvexToolPromptHandler.h"

#include <QDialog>
#include <QMenu>

CKorvexToolPromptHandler::CKorvexToolPromptHandler(QTextStream& errors)
    : m_errors(errors)
{
}

void CKorvexToolPromptHandler::report(const QString& kind, const QString& title, const QString& text)
{
    m_errors << "prompt (" << kind << "): " << title;
    if (!text.isEmpty())
        m_errors << ": " << text;
    m_errors << '\n';
    m_errors.flush();
}

int CKorvexToolPromptHandler::message(QWidget*, const CKorvexMessageRequest& request)
{
    report(QStringLiteral("message"), request.title, request.text);
    // A box without an escape button has nothing to cancel to; its only button is the answer.
    if (request.escapeButton < 0 && request.buttons.size() == 1)
        return 0;
    return request.escapeButton;
}

QString CKorvexToolPromptHandler::file(QWidget*, const CKorvexFileRequest& request)
{
    report(QStringLiteral("file"), request.title);
    return QString();
}

QColor CKorvexToolPromptHandler::color(QWidget*, const CKorvexColorRequest& request)
{
    report(QStringLiteral("colour"), request.title);
    return QColor();
}

int CKorvexToolPromptHandler::exec(QDialog& dialog)
{
    report(QStringLiteral("dialog"), dialog.windowTitle());
    return QDialog::Rejected;
}

QAction* CKorvexToolPromptHandler::popup(QMenu& menu, const QPoint&)
{
    report(QStringLiteral("menu"), menu.title());
    return nullptr;
}
