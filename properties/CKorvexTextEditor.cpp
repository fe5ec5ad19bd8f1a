#include "properties/CKorvexTextEditor.h"

#include "properties/CKorvexFontCatalog.h"
#include "properties/CKorvexLineEdit.h"
#include "properties/CKorvexSwatchStyle.h"
#include "properties/CKorvexTextEdit.h"
#include "services/CKorvexPrompt.h"
#include "services/KorvexNamedWidget.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QVBoxLayout>

namespace {

constexpr int boldWeight = 75;
const QString defaultSize = QStringLiteral("12");
const QString resting = QStringLiteral(
    "QTextEdit{selection-color:rgb(255,255,255) ;selection-background-color: rgb(7, 119, 255); "
    "background-color: rgb(255, 255, 255);}");

} // namespace

CKorvexTextEditor::CKorvexTextEditor(CKorvexFontCatalog& catalog, QWidget* parent)
    : QDialog(parent)
    , m_catalog(catalog)
{
    buildForm();
    if (!m_catalog.isLoaded())
        m_catalog.load();
    const auto sizes = QFontDatabase::standardSizes();
    for (int size : sizes)
        m_fontSizeComBox->addItem(QString::number(size));
    m_fontNameComBox->addItems(m_catalog.families());
    connectControls();
    m_textAlignComboBox->addItems({tr("Left"), tr("Middle"), tr("Right")});
    {
        const auto blocked = quiet();
        setStyleButtons(m_textEdit->font());
        showColor(m_textEdit->textColor());
        m_fontNameComBox->setCurrentIndex(m_fontNameComBox->count() > 0 ? 0 : -1);
    }
    connect(m_textEdit, &QTextEdit::textChanged, this, &CKorvexTextEditor::onTextChange);
    m_textEdit->setAcceptRichText(false);
}

void CKorvexTextEditor::buildForm()
{
    setObjectName(QStringLiteral("CKorvexTextEditor"));
    setWindowTitle(tr("Font Dialog"));
    m_fontNameComBox = korvexNamed(new QComboBox(this), "fontNameComBox");
    m_fontNameComBox->setMinimumWidth(150);
    m_fontSizeComBox = korvexNamed(new QComboBox(this), "fontSizeComBox");
    m_fontSizeComBox->setEditable(true);
    m_fontSizeComBox->setMinimumWidth(110);
    m_boldCheckBox = styleButton("boldCheckBox", QStringLiteral(":/KorvexDesigner/Resources/bold.png"));
    m_italicCheckBox = styleButton("italicCheckBox", QStringLiteral(":/KorvexDesigner/Resources/italic.png"));
    m_underlineCheckBox = styleButton("underlineCheckBox", QStringLiteral(":/KorvexDesigner/Resources/underline.png"));
    m_colorLineEdit = korvexNamed(new CKorvexLineEdit(this), "colorLineEdit");
    m_colorLineEdit->setMaximumWidth(30);
    m_colorLineEdit->setReadOnly(true);
    m_colorLineEdit->setToolTip(tr("Double-click to choose the text colour"));
    m_textAlignLabel = korvexNamed(new QLabel(tr("Text Alignment"), this), "textAlignLabel");
    m_textAlignComboBox = korvexNamed(new QComboBox(this), "textAlignComboBox");
    m_textAlignComboBox->setMinimumWidth(70);
    auto* line = korvexNamed(new QFrame(this), "line");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    m_textEdit = korvexNamed(new CKorvexTextEdit(this), "textEdit");
    m_textEdit->setStyleSheet(resting);
    m_okPushButton = korvexNamed(new QPushButton(tr("Ok"), this), "okPushButton");

    auto* controls = new QHBoxLayout;
    for (QWidget* widget : QList<QWidget*>{m_fontNameComBox, m_fontSizeComBox, m_boldCheckBox, m_italicCheckBox,
                                           m_underlineCheckBox, m_colorLineEdit, m_textAlignLabel, m_textAlignComboBox})
        controls->addWidget(widget);
    controls->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okPushButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(controls);
    column->addWidget(line);
    column->addWidget(m_textEdit, 1);
    column->addLayout(buttons);
    resize(640, 360);
}

QPushButton* CKorvexTextEditor::styleButton(const char* name, const QString& icon)
{
    auto* button = korvexNamed(new QPushButton(this), name);
    button->setCheckable(true);
    button->setMaximumWidth(50);
    button->setIcon(QIcon(icon));
    return button;
}

void CKorvexTextEditor::connectControls()
{
    connect(m_okPushButton, &QPushButton::clicked, this, &CKorvexTextEditor::okButtonClicked);
    connect(m_fontNameComBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CKorvexTextEditor::onFontFamilyChange);
    connect(m_fontSizeComBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CKorvexTextEditor::onFontSizeChange);
    connect(m_fontSizeComBox, &QComboBox::editTextChanged, this, &CKorvexTextEditor::onFontSizeEditTextChanged);
    connect(m_colorLineEdit, &CKorvexLineEdit::doubleClicked, this, &CKorvexTextEditor::onColorButtonClicked);
    connect(m_textAlignComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CKorvexTextEditor::textAlginCurrentIndexChanged);
    connect(m_textEdit, &QTextEdit::cursorPositionChanged, this, &CKorvexTextEditor::textEditCursorPosChanged);
    connect(m_textEdit, &QTextEdit::selectionChanged, this, &CKorvexTextEditor::textEditSelectionChanged);
    connect(m_boldCheckBox, &QPushButton::toggled, this, &CKorvexTextEditor::boldCheckBoxStateChanged);
    connect(m_italicCheckBox, &QPushButton::toggled, this, &CKorvexTextEditor::italicCheckBoxStateChanged);
    connect(m_underlineCheckBox, &QPushButton::toggled, this, &CKorvexTextEditor::underLineCheckBoxStateChanged);
}

std::vector<QSignalBlocker> CKorvexTextEditor::quiet() const
{
    const QList<QObject*> controls{m_fontNameComBox, m_fontSizeComBox, m_colorLineEdit, m_textAlignComboBox,
                                   m_textEdit, m_boldCheckBox, m_italicCheckBox, m_underlineCheckBox};
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(size_t(controls.size()));
    for (QObject* control : controls)
        blockers.emplace_back(control);
    return blockers;
}

void CKorvexTextEditor::setDocument(QTextDocument* document, bool isNew)
{
    {
        const auto blocked = quiet();
        m_textEdit->setDocument(document);
        m_textEdit->selectAll();
    }
    if (isNew)
        selectDefaultFontAndSize();
    textEditCursorPosChanged();
}

void CKorvexTextEditor::selectDefaultFontAndSize()
{
    {
        const auto blocked = quiet();
        m_fontNameComBox->setCurrentIndex(m_fontNameComBox->findText(m_catalog.defaultFamily()));
        m_fontSizeComBox->setCurrentText(defaultSize);
    }
    onFontFamilyChange(0);
    onFontSizeChange(0);
}

void CKorvexTextEditor::textEditCursorPosChanged()
{
    const QTextCursor cursor = m_textEdit->textCursor();
    const QTextCharFormat format = cursor.charFormat();
    if (m_textEdit->document()->isEmpty()) {
        selectDefaultFontAndSize();
    } else {
        const auto blocked = quiet();
        const QString family =
            format.fontFamily().isEmpty() ? m_textEdit->document()->defaultFont().family() : format.fontFamily();
        m_fontNameComBox->setCurrentIndex(m_fontNameComBox->findText(family, Qt::MatchFixedString));
    }
    const auto blocked = quiet();
    const double size = format.fontPointSize() > 0 ? format.fontPointSize() : m_textEdit->document()->defaultFont().pointSizeF();
    m_fontSizeComBox->setCurrentText(QString::number(size, 'g', 6));
    m_boldCheckBox->setChecked(format.fontWeight() == boldWeight);
    m_italicCheckBox->setChecked(format.fontItalic());
    m_underlineCheckBox->setChecked(format.fontUnderline());
    showColor(format.foreground().color());
    showAlignment(cursor.blockFormat().alignment());
}

void CKorvexTextEditor::showAlignment(Qt::Alignment alignment)
{
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
    if (horizontal == Qt::AlignLeft)
        m_textAlignComboBox->setCurrentIndex(0);
    else if (horizontal == Qt::AlignHCenter)
        m_textAlignComboBox->setCurrentIndex(1);
    else
        m_textAlignComboBox->setCurrentIndex(2);
}

void CKorvexTextEditor::showColor(const QColor& color)
{
    m_colorLineEdit->setStyleSheet(
        CKorvexSwatchStyle::colorStyle({QString::number(color.red()), QString::number(color.green()),
                                        QString::number(color.blue())}));
}

void CKorvexTextEditor::setStyleButtons(const QFont& font)
{
    m_boldCheckBox->setChecked(font.weight() > 57);
    m_italicCheckBox->setChecked(font.style() != QFont::StyleNormal);
    m_underlineCheckBox->setChecked(font.underline());
}

void CKorvexTextEditor::onFontFamilyChange(int)
{
    QTextCharFormat format;
    format.setFontFamily(m_fontNameComBox->currentText());
    mergeFormatOnWordOrSelection(format);
}

void CKorvexTextEditor::onFontSizeChange(int)
{
    onFontSizeEditTextChanged(m_fontSizeComBox->currentText());
}

void CKorvexTextEditor::onFontSizeEditTextChanged(const QString& text)
{
    const double size = text.toDouble();
    if (size <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(size);
    mergeFormatOnWordOrSelection(format);
}

void CKorvexTextEditor::boldCheckBoxStateChanged(bool checked)
{
    QTextCharFormat format;
    format.setFontWeight(checked ? boldWeight : QFont::Normal);
    mergeFormatOnWordOrSelection(format);
}

void CKorvexTextEditor::italicCheckBoxStateChanged(bool checked)
{
    QTextCharFormat format;
    format.setFontItalic(checked);
    mergeFormatOnWordOrSelection(format);
}

void CKorvexTextEditor::underLineCheckBoxStateChanged(bool checked)
{
    QTextCharFormat format;
    format.setUnderlineStyle(checked ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline);
    mergeFormatOnWordOrSelection(format);
}

void CKorvexTextEditor::mergeFormatOnWordOrSelection(QTextCharFormat format)
{
    const auto blocked = quiet();
    QTextCursor cursor = m_textEdit->textCursor();
    if (!cursor.hasSelection()) {
        // What is typed next takes every control as shown.
        QTextCharFormat typed;
        typed.setFontItalic(m_italicCheckBox->isChecked());
        typed.setFontWeight(m_boldCheckBox->isChecked() ? boldWeight : QFont::Normal);
        const double size = m_fontSizeComBox->currentText().toDouble();
        if (size > 0)
            typed.setFontPointSize(size);
        typed.setFontFamily(m_fontNameComBox->currentText());
        typed.setFontUnderline(m_underlineCheckBox->isChecked());
        m_textEdit->setCurrentCharFormat(typed);
        return;
    }
    // Merged per character, so a selection of mixed styles keeps what the change does not touch.
    format.setFontStyleHint(QFont::System, QFont::PreferBitmap);
    cursor.mergeCharFormat(format);
}

void CKorvexTextEditor::textAlginCurrentIndexChanged(int index)
{
    static const Qt::Alignment alignments[] = {Qt::AlignLeft | Qt::AlignAbsolute, Qt::AlignHCenter | Qt::AlignVCenter,
                                               Qt::AlignRight | Qt::AlignAbsolute};
    if (index < 0 || index > 2)
        return;
    const auto blocked = quiet();
    m_textEdit->setAlignment(alignments[index]);
}

void CKorvexTextEditor::onColorButtonClicked()
{
    const QColor chosen = CKorvexPrompt::color(this, m_textEdit->textCursor().charFormat().foreground().color());
    if (!chosen.isValid())
        return;
    const auto blocked = quiet();
    showColor(chosen);
    m_textEdit->setTextColor(chosen);
    m_lastColor = chosen;
    m_textEdit->setStyleSheet(
        QStringLiteral("QTextEdit{selection-color:rgb(%1,%2,%3) ;selection-background-color: rgb(7, 119, 255);}")
            .arg(chosen.red())
            .arg(chosen.green())
            .arg(chosen.blue()));
}

void CKorvexTextEditor::textEditSelectionChanged()
{
    m_textEdit->setStyleSheet(resting);
}

void CKorvexTextEditor::onTextChange()
{
}

void CKorvexTextEditor::onFontButtonClicked(bool)
{
    QFontDialog dialog(m_textEdit->currentCharFormat().font(), this);
    dialog.setWindowTitle(tr("Font Selection"));
    if (CKorvexPrompt::exec(dialog) != QDialog::Accepted)
        return;
    const QFont font = dialog.selectedFont();
    {
        const auto blocked = quiet();
        setStyleButtons(font);
    }
    QTextCharFormat format;
    format.setFont(font);
    m_textEdit->setCurrentCharFormat(format);
}

void CKorvexTextEditor::okButtonClicked(bool)
{
    QTextDocument* document = m_textEdit->document();
    document->setTextWidth(9999999999.0);
    document->setTextWidth(document->idealWidth());
    document->setDocumentMargin(0);
    if (hasUncoveredUnit())
        CKorvexPrompt::information(
            this, tr("Unsupported characters"),
            tr("Some of the included characters are not supported by the selected fonts,\r\nCharacters not supported "
               "by font will not appear in PDF/HTML,Please try using unicode font for example Arial Unicode MS"));
    done(QDialog::Accepted);
}

bool CKorvexTextEditor::hasUncoveredUnit()
{
    const QTextDocument* document = m_textEdit->document();
    const QString fallback = document->defaultFont().family();
    // Only the root frame's own blocks: text in tables and other nested frames is not checked.
    for (auto it = document->rootFrame()->begin(); !it.atEnd(); ++it) {
        const QTextBlock block = it.currentBlock();
        for (auto fragments = block.begin(); block.isValid() && !fragments.atEnd(); ++fragments) {
            const QTextFragment fragment = fragments.fragment();
            const QString family = fragment.charFormat().fontFamily();
            const QString text = fragment.text();
            for (const QChar unit : text) {
                if (!m_catalog.covers(unit, family.isEmpty() ? fallback : family))
                    return true;
            }
        }
    }
    return false;
}
