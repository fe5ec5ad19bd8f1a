#pragma once

#include "services/CKorvexPromptHandler.h"

#include <QTextStream>

/// Answers every prompt of a run without a display: writes it to the error stream and takes
/// the escape or cancel choice.
class CKorvexToolPromptHandler : public CKorvexPromptHandler
{
public:
    explicit CKorvexToolPromptHandler(QTextStream& errors);

    int message(QWidget* parent, const CKorvexMessageRequest& request) override;
    QString file(QWidget* parent, const CKorvexFileRequest& request) override;
    QColor color(QWidget* parent, const CKorvexColorRequest& request) override;
    int exec(QDialog& dialog) override;
    QAction* popup(QMenu& menu, const QPoint& globalPosition) override;

private:
    void report(const QString& kind, const QString& title, const QString& text = QString());

    QTextStream& m_errors;
};
