#pragma once

#include <QLineEdit>

/// A line edit that reports a double click, for swatches that open a chooser.
class CKorvexLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
