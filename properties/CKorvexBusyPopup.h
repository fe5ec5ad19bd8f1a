#pragma once

#include <QWidget>

class QLabel;

/// A small frameless window with one line of text, shown while the GUI thread is busy.
class CKorvexBusyPopup : public QWidget
{
    Q_OBJECT

public:
    explicit CKorvexBusyPopup(QWidget* owner, int margin = 12);

    /// Shows the text centred over the owner and paints it before returning.
    void showNow(const QString& richText);
    QString text() const;

private:
    QWidget* m_owner;
    QLabel* m_label;
};
