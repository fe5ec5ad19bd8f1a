#pragma once

#include "services/CKorvexPromptHandler.h"

/// Refuses every prompt at once, so that a fuzzed reader never waits for a user.
/// It installs itself on construction and restores the previous handler on destruction.
class KorvexSilentPrompt : public CKorvexPromptHandler
{
public:
    KorvexSilentPrompt();
    ~KorvexSilentPrompt() override;

    int message(QWidget* parent, const CKorvexMessageRequest& request) override;
    QString file(QWidget* parent, const CKorvexFileRequest& request) override;
    QColor color(QWidget* parent, const CKorvexColorRequest& request) override;
    int exec(QDialog& dialog) override;
    QAction* popup(QMenu& menu, const QPoint& globalPosition) override;

private:
    CKorvexPromptHandler* m_previous = nullptr;
};
