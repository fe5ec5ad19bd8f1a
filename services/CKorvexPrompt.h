#pragma once

#include "services/CKorvexPromptHandler.h"

/// The one seam every prompt of the program passes through, so that tests can answer them.
class CKorvexPrompt
{
public:
    /// Installs a handler (not owned); null restores the interactive one.
    static void setHandler(CKorvexPromptHandler* handler);
    static CKorvexPromptHandler& handler();

    static int message(QWidget* parent, const CKorvexMessageRequest& request);
    /// A box with one "Ok" button.
    static void information(QWidget* parent, const QString& title, const QString& text);
    static void warning(QWidget* parent, const QString& title, const QString& text);
    static void critical(QWidget* parent, const QString& title, const QString& text);

    static QString openFileName(QWidget* parent, const QString& title, const QString& startPath,
                                const QString& filter);
    static QString saveFileName(QWidget* parent, const QString& title, const QString& startPath,
                                const QString& filter);
    static QString existingDirectory(QWidget* parent, const QString& title, const QString& startPath);
    static QColor color(QWidget* parent, const QColor& initial, const QString& title = QString(),
                        bool withAlpha = false);
    static int exec(QDialog& dialog);
    static QAction* popup(QMenu& menu, const QPoint& globalPosition);
};
