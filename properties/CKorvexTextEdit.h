#pragma once

#include <QTextEdit>

/// The text field of the text editor: pasted text takes the family and size the editor shows.
class CKorvexTextEdit : public QTextEdit
{
    Q_OBJECT

public:
    using QTextEdit::QTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};
