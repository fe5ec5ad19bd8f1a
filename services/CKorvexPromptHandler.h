#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QWidget;

/// One message box request: icon, title, text and the button texts in order.
struct CKorvexMessageRequest
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QStringList buttons;     // texts in the order shown
    int defaultButton = 0;   // index into buttons
    int escapeButton = -1;   // index into buttons, -1 when none
};

/// One file chooser request.
struct CKorvexFileRequest
{
    enum Mode { Open, Save, Directory };
    Mode mode = Open;
    QString title;
    QString startPath;
    QString filter;
};

/// One colour dialog request.
struct CKorvexColorRequest
{
    QColor initial;
    QString title;
    bool withAlpha = false;
};

/// Answers the program's prompts. The real one shows dialogs; tests install a scripted one.
class CKorvexPromptHandler
{
public:
    virtual ~CKorvexPromptHandler();

    /// Returns the index of the button chosen, or the escape button's index when the box is closed.
    virtual int message(QWidget* parent, const CKorvexMessageRequest& request) = 0;
    /// Returns the chosen path, or an empty string when cancelled.
    virtual QString file(QWidget* parent, const CKorvexFileRequest& request) = 0;
    /// Returns the chosen colour, or an invalid colour when cancelled.
    virtual QColor color(QWidget* parent, const CKorvexColorRequest& request) = 0;
    /// Runs a modal dialog the caller built and returns its result code.
    virtual int exec(QDialog& dialog) = 0;
    /// Pops up a context menu at a global position; returns the action chosen, or null.
    virtual QAction* popup(QMenu& menu, const QPoint& globalPosition) = 0;
};
