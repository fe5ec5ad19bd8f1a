#pragma once

#include "services/CKorvexPromptHandler.h"

/// The interactive prompt handler: real message boxes, file and colour dialogs.
class CKorvexDialogPromptHandler : public CKorvexPromptHandler
{
public:
    int message(QWidget* parent, const CKorvexMessageRequest& request) override;
    QString file(QWidget* parent, const CKorvexFileRequest& request) override;
    QColor color(QWidget* parent, const CKorvexColorRequest& request) override;
    int exec(QDialog& dialog) override;
    QAction* popup(QMenu& menu, const QPoint& globalPosition) override;
};
