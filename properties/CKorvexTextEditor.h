#pragma once

#include <QColor>
#include <QDialog>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <vector>

class CKorvexFontCatalog;
class CKorvexLineEdit;
class CKorvexTextEdit;
class QComboBox;
class QLabel;
class QPushButton;
class QTextDocument;

/// The dialog in which the rich text of a label is written: family, size, bold, italic,
/// underline, colour and alignment. Ok warns once when a font lacks a glyph of the text.
class CKorvexTextEditor : public QDialog
{
    Q_OBJECT

public:
    /// Loads the catalog first when it is still empty.
    explicit CKorvexTextEditor(CKorvexFontCatalog& catalog, QWidget* parent = nullptr);

    /// Edits the document in place; a new text takes the default family at size 12.
    void setDocument(QTextDocument* document, bool isNew);
    CKorvexTextEdit* textEdit() const { return m_textEdit; }

public slots:
    void okButtonClicked(bool checked = false);
    void onFontFamilyChange(int index);
    void onFontSizeChange(int index);
    void onFontSizeEditTextChanged(const QString& text);
    void onColorButtonClicked();
    void textAlginCurrentIndexChanged(int index);
    void textEditCursorPosChanged();
    void boldCheckBoxStateChanged(bool checked);
    void italicCheckBoxStateChanged(bool checked);
    void underLineCheckBoxStateChanged(bool checked);
    void textEditSelectionChanged();
    void onTextChange();
    void mergeFormatOnWordOrSelection(QTextCharFormat format);
    void onFontButtonClicked(bool checked = false);

private:
    void buildForm();
    QPushButton* styleButton(const char* name, const QString& icon);
    void connectControls();
    std::vector<QSignalBlocker> quiet() const;
    void selectDefaultFontAndSize();
    void showColor(const QColor& color);
    void showAlignment(Qt::Alignment alignment);
    void setStyleButtons(const QFont& font);
    /// True when a font lacks a glyph for a UTF-16 unit of the text outside nested frames.
    bool hasUncoveredUnit();

    CKorvexFontCatalog& m_catalog;
    QColor m_lastColor;
    QComboBox* m_fontNameComBox = nullptr;
    QComboBox* m_fontSizeComBox = nullptr;
    QPushButton* m_boldCheckBox = nullptr;
    QPushButton* m_italicCheckBox = nullptr;
    QPushButton* m_underlineCheckBox = nullptr;
    CKorvexLineEdit* m_colorLineEdit = nullptr;
    QLabel* m_textAlignLabel = nullptr;
    QComboBox* m_textAlignComboBox = nullptr;
    CKorvexTextEdit* m_textEdit = nullptr;
    QPushButton* m_okPushButton = nullptr;
};
