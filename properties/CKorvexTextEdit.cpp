#include "properties/CKorvexTextEdit.h"

#include "properties/CKorvexTextEditor.h"

#include <QMimeData>
#include <QTextCursor>

void CKorvexTextEdit::insertFromMimeData(const QMimeData* source)
{
    const int start = textCursor().selectionStart();
    QTextEdit::insertFromMimeData(source);
    auto* editor = qobject_cast<CKorvexTextEditor*>(parentWidget());
    if (!source->hasText() || !editor)
        return;
    // The pasted run is selected while the editor applies its shown family and size to it.
    QTextCursor cursor = textCursor();
    const int end = cursor.position();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    editor->onFontFamilyChange(0);
    editor->onFontSizeChange(0);
    cursor.setPosition(end);
    setTextCursor(cursor);
}
