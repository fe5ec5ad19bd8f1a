#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// What the start-up does with the program's arguments.
class CKorvexCommandLine
{
public:
    enum class Start {
        NewDocument,       ///< no template path: show, then New
        OpenTemplate,      ///< the path names a regular file: open it, then show
        NewDocumentAtPath, ///< the path names nothing or a folder: remember it, show, then New
    };

    /// Evaluates an argument list whose element 0 is the program itself.
    static CKorvexCommandLine evaluate(const QStringList& arguments);

    bool alwaysOnTop() const { return m_alwaysOnTop; }
    bool hasPreviewImage() const { return m_hasPreviewImage; }
    /// The trimmed value of the preview image switch.
    QString previewImagePath() const { return m_previewImagePath; }
    QString templatePath() const { return m_templatePath; }
    Start start() const { return m_start; }
    /// The arguments left once the switches and their values are removed.
    QStringList remaining() const { return m_remaining; }

private:
    static int findSwitch(const QStringList& arguments, const QString& name);
    /// Removes the switch and the value after it; a switch at the end has no value.
    static std::optional<QString> takeSwitchWithValue(QStringList& arguments, const QString& name);

    bool m_alwaysOnTop = false;
    bool m_hasPreviewImage = false;
    QString m_previewImagePath;
    QString m_templatePath;
    Start m_start = Start::NewDocument;
    QStringList m_remaining;
};
