#include "KorvexDialogDriver.h"
#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "properties/CKorvexFontCatalog.h"
#include "properties/CKorvexGradientDialog.h"
#include "properties/CKorvexTextEdit.h"
#include "properties/CKorvexTextEditor.h"
#include "properties/QColorRampEditor.h"

#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using namespace KorvexDialogDriver;

class TestTextEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_fonts.load(); }
    void emptyTextTakesTheDefaultFamilyAt12();
    void boldOnASelection();
    void alignmentShown_data();
    void alignmentShown();
    void pastedRichTextIsPlainInTheShownFont();
    void okWarnsOnceForUncoveredUnits_data();
    void okWarnsOnceForUncoveredUnits();
    void rampEditing();

private:
    CKorvexFontCatalog m_fonts;
};

void TestTextEditor::emptyTextTakesTheDefaultFamilyAt12()
{
    // The metric-compatible stand-in the font configuration names for "Arial" (fonts-liberation).
    QCOMPARE(m_fonts.defaultFamily(), QString("Liberation Sans"));
    CKorvexTextEditor editor(m_fonts);
    QTextDocument document;
    editor.setDocument(&document, false);
    QCOMPARE(child<QComboBox>(&editor, "fontNameComBox")->currentText(), QString("Liberation Sans"));
    QCOMPARE(child<QComboBox>(&editor, "fontSizeComBox")->currentText(), QString("12"));
}

void TestTextEditor::boldOnASelection()
{
    CKorvexTextEditor editor(m_fonts);
    QTextDocument document(QStringLiteral("Hello world"));
    editor.setDocument(&document, true);
    QTextCursor cursor(&document);
    cursor.setPosition(2);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    editor.textEdit()->setTextCursor(cursor);
    click(child<QPushButton>(&editor, "boldCheckBox"));
    QString weights;
    for (int position = 1; position <= document.characterCount() - 1; ++position) {
        cursor.setPosition(position);
        weights += cursor.charFormat().fontWeight() == 75 ? 'B' : '-';
    }
    QCOMPARE(weights, QString("--BBBBB----"));
}

void TestTextEditor::alignmentShown_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("shown");
    QTest::newRow("left") << int(Qt::AlignLeft | Qt::AlignAbsolute) << "Left";
    QTest::newRow("centred") << int(Qt::AlignHCenter) << "Middle";
    QTest::newRow("right") << int(Qt::AlignRight) << "Right";
    QTest::newRow("justified") << int(Qt::AlignJustify) << "Right";
}

void TestTextEditor::alignmentShown()
{
    QFETCH(int, alignment);
    QFETCH(QString, shown);
    CKorvexTextEditor editor(m_fonts);
    QTextDocument document(QStringLiteral("text"));
    QTextBlockFormat block;
    block.setAlignment(Qt::Alignment(alignment));
    QTextCursor(&document).setBlockFormat(block);
    editor.setDocument(&document, false);
    QCOMPARE(child<QComboBox>(&editor, "textAlignComboBox")->currentText(), shown);
}

void TestTextEditor::pastedRichTextIsPlainInTheShownFont()
{
    CKorvexTextEditor editor(m_fonts);
    QTextDocument document(QStringLiteral("ab"));
    editor.setDocument(&document, true);
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    editor.textEdit()->setTextCursor(cursor);
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b style=\"font-family:'DejaVu Serif'; font-size:30pt\">XY</b>"));
    data->setText(QStringLiteral("XY"));
    QGuiApplication::clipboard()->setMimeData(data);
    editor.textEdit()->paste();
    QCOMPARE(document.toPlainText(), QString("aXYb"));
    cursor.setPosition(3);
    const QTextCharFormat pasted = cursor.charFormat();
    QCOMPARE(pasted.fontFamily(), QString("Liberation Sans"));
    QCOMPARE(pasted.fontPointSize(), 12.0);
    QVERIFY(pasted.fontWeight() != 75);
}

void TestTextEditor::okWarnsOnceForUncoveredUnits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inTable");
    QTest::addColumn<int>("boxes");
    QTest::newRow("missing ideograph") << QString::fromUtf8("a\xe4\xb8\xad\xe4\xb8\xad") << false << 1;
    QTest::newRow("tabs and covered") << QString("a\tb\tc") << false << 0;
    // The font has this letter, but each half of its surrogate pair is looked up on its own.
    QTest::newRow("outside the basic plane") << QString::fromUtf8("\xf0\x9d\x96\xa0") << false << 1;
    QTest::newRow("nested frame") << QString::fromUtf8("\xe4\xb8\xad") << true << 0;
}

void TestTextEditor::okWarnsOnceForUncoveredUnits()
{
    QFETCH(QString, text);
    QFETCH(bool, inTable);
    QFETCH(int, boxes);
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat format;
    format.setFontFamily(QStringLiteral("DejaVu Sans"));
    if (inTable)
        cursor = cursor.insertTable(1, 1)->cellAt(0, 0).firstCursorPosition();
    cursor.insertText(text, format);
    CKorvexTextEditor editor(m_fonts);
    editor.setDocument(&document, false);
    KorvexScriptedPrompt prompt;
    click(child<QPushButton>(&editor, "okPushButton"));
    QCOMPARE(prompt.messages().size(), boxes);
    if (boxes)
        QCOMPARE(prompt.messages().first().title + '|' + prompt.messages().first().text,
                 QString("Unsupported characters|Some of the included characters are not supported by the selected "
                         "fonts,\r\nCharacters not supported by font will not appear in PDF/HTML,Please try using "
                         "unicode font for example Arial Unicode MS"));
    QVERIFY(editor.result() == QDialog::Accepted && document.toPlainText().contains(text));
}

void TestTextEditor::rampEditing()
{
    CKorvexGradientDialog dialog;
    QCOMPARE(dialog.gradientList().join(' '), QString("0 0 1 0 0 0 0 0 1 255 0 0"));
    QColorRampEditor* ramp = dialog.ramp();
    ramp->setFixedSize(111, 44); // 101 pixels inside the margins
    QTest::mouseClick(ramp, Qt::LeftButton, {}, QPoint(55, 30));
    const QStringList added = dialog.gradientList();
    QCOMPARE(added.size(), 16);
    QVERIFY(qAbs(added.at(8).toDouble() - 0.5) < 0.01 && added.mid(9, 3).join(' ') == "255 255 255");
    // The inner handle dragged off the left end goes; the end stops stay.
    QTest::mousePress(ramp, Qt::LeftButton, {}, QPoint(55, 30));
    QMouseEvent drag(QEvent::MouseMove, QPoint(-20, 30), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ramp, &drag);
    QTest::mouseRelease(ramp, Qt::LeftButton, {}, QPoint(-20, 30));
    QCOMPARE(dialog.gradientList().join(' '), QString("0 0 1 0 0 0 0 0 1 255 0 0"));
    dialog.show();
    dialog.close();
    QVERIFY(!dialog.isAccepted());
}

KORVEX_TEST_MAIN(TestTextEditor)
#include "tst_texteditor.moc"
