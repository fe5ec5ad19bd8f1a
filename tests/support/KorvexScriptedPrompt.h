#pragma once

#include "services/CKorvexPromptHandler.h"

#include <QList>
#include <QQueue>
#include <functional>

/// A prompt handler for tests: answers prompts from a script and records every prompt.
/// It installs itself on construction and restores the previous handler on destruction.
/// Boxes with a single button are answered with it; any other prompt without a scripted
/// answer is refused (escape button, empty path, invalid colour, rejected dialog) and
/// counted as unanswered.
class KorvexScriptedPrompt : public CKorvexPromptHandler
{
public:
    using DialogScript = std::function<int(QDialog&)>;

    KorvexScriptedPrompt();
    ~KorvexScriptedPrompt() override;

    /// The next message box is answered by the button with this text.
    void answerMessage(const QString& buttonText);
    /// The next file chooser returns this path ("" cancels).
    void answerFile(const QString& path);
    /// The next colour dialog returns this colour (invalid cancels).
    void answerColor(const QColor& color);
    /// The next modal dialog is handed to this function, which returns the dialog's result.
    void answerDialog(DialogScript script);

    const QList<CKorvexMessageRequest>& messages() const { return m_messages; }
    const QList<CKorvexFileRequest>& files() const { return m_files; }
    const QList<CKorvexColorRequest>& colors() const { return m_colors; }
    const QStringList& dialogs() const { return m_dialogs; }
    int unanswered() const { return m_unanswered; }
    /// Scripted answers not yet consumed.
    int pendingAnswers() const;
    void clear();

    int message(QWidget* parent, const CKorvexMessageRequest& request) override;
    QString file(QWidget* parent, const CKorvexFileRequest& request) override;
    QColor color(QWidget* parent, const CKorvexColorRequest& request) override;
    int exec(QDialog& dialog) override;
    /// Records the menu (by its title, or object name when untitled) and chooses nothing.
    QAction* popup(QMenu& menu, const QPoint& globalPosition) override;
    const QStringList& menus() const { return m_menus; }

private:
    CKorvexPromptHandler* m_previous = nullptr;
    QQueue<QString> m_messageAnswers;
    QQueue<QString> m_fileAnswers;
    QQueue<QColor> m_colorAnswers;
    QQueue<DialogScript> m_dialogAnswers;
    QList<CKorvexMessageRequest> m_messages;
    QList<CKorvexFileRequest> m_files;
    QList<CKorvexColorRequest> m_colors;
    QStringList m_dialogs;
    QStringList m_menus;
    int m_unanswered = 0;
};
