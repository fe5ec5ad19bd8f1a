#include "KorvexScriptedPrompt.h"

#include "services/CKorvexPrompt.h"

#include <QDialog>
#include <QMenu>

KorvexScriptedPrompt::KorvexScriptedPrompt()
    : m_previous(&CKorvexPrompt::handler())
{
    CKorvexPrompt::setHandler(this);
}

KorvexScriptedPrompt::~KorvexScriptedPrompt()
{
    CKorvexPrompt::setHandler(m_previous == this ? nullptr : m_previous);
}

void KorvexScriptedPrompt::answerMessage(const QString& buttonText)
{
    m_messageAnswers.enqueue(buttonText);
}

void KorvexScriptedPrompt::answerFile(const QString& path)
{
    m_fileAnswers.enqueue(path);
}

void KorvexScriptedPrompt::answerColor(const QColor& color)
{
    m_colorAnswers.enqueue(color);
}

void KorvexScriptedPrompt::answerDialog(DialogScript script)
{
    m_dialogAnswers.enqueue(std::move(script));
}

int KorvexScriptedPrompt::pendingAnswers() const
{
    return m_messageAnswers.size() + m_fileAnswers.size() + m_colorAnswers.size()
        + m_dialogAnswers.size();
}

void KorvexScriptedPrompt::clear()
{
    m_messageAnswers.clear();
    m_fileAnswers.clear();
    m_colorAnswers.clear();
    m_dialogAnswers.clear();
    m_messages.clear();
    m_files.clear();
    m_colors.clear();
    m_dialogs.clear();
    m_menus.clear();
    m_unanswered = 0;
}

int KorvexScriptedPrompt::message(QWidget*, const CKorvexMessageRequest& request)
{
    m_messages.append(request);
    if (!m_messageAnswers.isEmpty()) {
        const int index = request.buttons.indexOf(m_messageAnswers.dequeue());
        if (index >= 0)
            return index;
    } else if (request.buttons.size() == 1) {
        return 0;
    }
    ++m_unanswered;
    return request.escapeButton;
}

QString KorvexScriptedPrompt::file(QWidget*, const CKorvexFileRequest& request)
{
    m_files.append(request);
    if (!m_fileAnswers.isEmpty())
        return m_fileAnswers.dequeue();
    ++m_unanswered;
    return QString();
}

QColor KorvexScriptedPrompt::color(QWidget*, const CKorvexColorRequest& request)
{
    m_colors.append(request);
    if (!m_colorAnswers.isEmpty())
        return m_colorAnswers.dequeue();
    ++m_unanswered;
    return QColor();
}

int KorvexScriptedPrompt::exec(QDialog& dialog)
{
    m_dialogs.append(dialog.objectName());
    if (!m_dialogAnswers.isEmpty())
        return m_dialogAnswers.dequeue()(dialog);
    ++m_unanswered;
    return QDialog::Rejected;
}

QAction* KorvexScriptedPrompt::popup(QMenu& menu, const QPoint&)
{
    m_menus.append(menu.title().isEmpty() ? menu.objectName() : menu.title());
    return nullptr;
}
