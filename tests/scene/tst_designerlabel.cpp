#include "KorvexItemRendering.h"
#include "KorvexTestEnvironment.h"
#include "KorvexTestMain.h"
#include "dictionary/CKorvexDictionary.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerLabel.h"

#include <QFocusEvent>
#include <QGraphicsScene>
#include <QSignalSpy>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

class TestDesignerLabel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readerStart();
    void toolDefaults();
    void storedHtmlShownForTypedText();
    void sameHtmlChangesNothing();
    void storedHtmlNotShownForDictionaryText();
    void refreshTakesDictionaryTextInStoredFormat();
    void refreshWithoutKeyShowsStoredHtml();
    void widthFollowsLongestLine();
    void fontFamiliesInDocumentOrder();
    void lostFocusEndsEditing();
    void selectionChangeIsSignalled();
    void deletedLabelContainsNothing();
    void backgroundPaintedBehindText();

private:
    static const QString storedFormatHtml;
};

const QString TestDesignerLabel::storedFormatHtml =
    QStringLiteral("<p><span style=\"font-family:'Courier'; font-size:20pt; font-weight:600;\">Default name</span></p>");

void TestDesignerLabel::init()
{
    KorvexTestEnvironment::clearSettings();
    CKorvexDictionary::LoadDictionary();
}


void TestDesignerLabel::readerStart()
{
    CKorvexDesignerLabel label;
    QCOMPARE(label.text(), QStringLiteral("label !"));
    QCOMPARE(label.document()->documentMargin(), 0.0);
    QCOMPARE(label.background().color(), QColor(255, 255, 255, 0));
}

void TestDesignerLabel::toolDefaults()
{
    CKorvexDesignerLabel label;
    label.applyNewItemDefaults();
    QCOMPARE(label.text(), QStringLiteral("Sample Text"));
    QCOMPARE(label.font().family(), QStringLiteral("Arial Unicode MS"));
    QCOMPARE(label.font().pointSize(), 12);
    QCOMPARE(label.document()->defaultFont().family(), QStringLiteral("Arial Unicode MS"));
    QCOMPARE(label.document()->documentMargin(), 0.0);
    QCOMPARE(label.textWidth(), label.document()->idealWidth());
    QCOMPARE(label.document()->lineCount(), 1);
    QCOMPARE(label.background().color(), QColor(255, 255, 255, 0));
}

void TestDesignerLabel::storedHtmlShownForTypedText()
{
    CKorvexDesignerLabel label;
    label.setStoredHtml(QStringLiteral("<p>Hello wide world <b>bold</b></p><p>two</p>"));
    QCOMPARE(label.text(), QStringLiteral("Hello wide world bold\ntwo"));
    QCOMPARE(label.document()->documentMargin(), 0.0);
    QCOMPARE(label.textWidth(), std::ceil(label.document()->idealWidth()));
    QCOMPARE(label.document()->lineCount(), 2);
}

void TestDesignerLabel::sameHtmlChangesNothing()
{
    CKorvexDesignerLabel label;
    label.setStoredHtml(QStringLiteral("<b>one</b>"));
    label.setPlainText(QStringLiteral("typed over"));
    label.setStoredHtml(QStringLiteral("<b>one</b>"));
    QCOMPARE(label.text(), QStringLiteral("typed over"));
    label.setStoredHtml(QStringLiteral("<b>two</b>"));
    QCOMPARE(label.text(), QStringLiteral("two"));
}

void TestDesignerLabel::storedHtmlNotShownForDictionaryText()
{
    CKorvexDesignerLabel label;
    label.setTextSource(CKorvexDesignerText::SourceDictionary);
    label.setStoredHtml(QStringLiteral("<i>kept</i>"));
    QCOMPARE(label.storedHtml(), QStringLiteral("<i>kept</i>"));
    QCOMPARE(label.text(), QStringLiteral("label !"));
}

void TestDesignerLabel::refreshTakesDictionaryTextInStoredFormat()
{
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Name"), QStringLiteral("Alice Example"));
    CKorvexDesignerLabel label;
    label.setStoredHtml(storedFormatHtml);
    label.setTextSource(CKorvexDesignerText::SourceDictionary);
    label.setDictionaryKey(QStringLiteral("NAME"));
    label.refreshFromDictionary();
    QCOMPARE(label.text(), QStringLiteral("Alice Example"));
    QCOMPARE(label.storedHtml(), storedFormatHtml);
    QTextCursor cursor(label.document());
    cursor.movePosition(QTextCursor::End);
    QCOMPARE(cursor.charFormat().fontPointSize(), 20.0);
    QCOMPARE(cursor.charFormat().fontWeight(), 600 / 8);
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextCharacter);
    QCOMPARE(cursor.charFormat().fontFamily(), QStringLiteral("Courier"));
    QCOMPARE(label.fontList(), QStringList{QStringLiteral("Courier")});
    QCOMPARE(label.textWidth(), std::ceil(label.document()->idealWidth()));
    QCOMPARE(label.document()->lineCount(), 1);
}

void TestDesignerLabel::refreshWithoutKeyShowsStoredHtml()
{
    CKorvexDesignerLabel label;
    label.setStoredHtml(storedFormatHtml);
    label.setTextSource(CKorvexDesignerText::SourceDictionary);
    label.setDictionaryKey(QStringLiteral("Nobody"));
    label.setPlainText(QStringLiteral("something else"));
    label.refreshFromDictionary();
    QCOMPARE(label.text(), QStringLiteral("Default name"));
    label.setTextSource(CKorvexDesignerText::SourceTextEditor);
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Nobody"), QStringLiteral("Bob"));
    label.refreshFromDictionary();
    QCOMPARE(label.text(), QStringLiteral("Default name"));
}

void TestDesignerLabel::widthFollowsLongestLine()
{
    CKorvexDesignerLabel label;
    label.setStoredHtml(QStringLiteral("<p>short</p><p>a much longer second line</p>"));
    const double twoLines = label.boundingRect().width();
    label.setStoredHtml(QStringLiteral("<p>short</p>"));
    QVERIFY(label.boundingRect().width() < twoLines);
    QCOMPARE(label.boundingRect().width(), std::ceil(label.document()->idealWidth()));
}

void TestDesignerLabel::fontFamiliesInDocumentOrder()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Fallback Family")));
    document.setHtml(QStringLiteral("<span style=\"font-family:'A'\">x</span><span style=\"font-family:'B'\">y</span>"
                                    "z<span style=\"font-family:'A'\">w</span>"));
    QCOMPARE(CKorvexDesignerText::usedFontFamilies(&document),
             (QStringList{"A", "B", "Fallback Family", "A"}));
    QCOMPARE(CKorvexDesignerText::usedFontFamilies(nullptr), QStringList());
}

void TestDesignerLabel::lostFocusEndsEditing()
{
    QGraphicsScene scene;
    auto* label = new CKorvexDesignerLabel;
    scene.addItem(label);
    label->setTextInteractionFlags(Qt::TextEditorInteraction);
    QSignalSpy spy(label, &CKorvexDesignerText::lostFocus);
    QFocusEvent focusOut(QEvent::FocusOut);
    scene.sendEvent(label, &focusOut);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<CKorvexDesignerText*>(), label);
    QCOMPARE(label->textInteractionFlags(), Qt::NoTextInteraction);
}

void TestDesignerLabel::selectionChangeIsSignalled()
{
    QGraphicsScene scene;
    auto* label = new CKorvexDesignerLabel;
    scene.addItem(label);
    QSignalSpy spy(label, &CKorvexDesignerText::selectedChange);
    label->setSelected(true);
    label->setSelected(false);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).value<QGraphicsItem*>(), static_cast<QGraphicsItem*>(label));
}

void TestDesignerLabel::deletedLabelContainsNothing()
{
    CKorvexDesignerLabel label;
    QVERIFY(label.contains(QPointF(2, 2)));
    QVERIFY(!label.contains(QPointF(-2, 2)));
    label.setDeleted(true);
    QVERIFY(!label.contains(QPointF(2, 2)));
}

void TestDesignerLabel::backgroundPaintedBehindText()
{
    CKorvexDesignerLabel label;
    label.setPlainText(QStringLiteral("   "));
    label.setBackground(QColor(0, 255, 0));
    const QImage drawn = renderItem(label, QSize(40, 40));
    QCOMPARE(drawn.pixelColor(1, 1), QColor(0, 255, 0));
    label.setSelected(true);
    QVERIFY(isNear(renderItem(label, QSize(40, 40)).pixelColor(1, 1), QColor(0, 245, 10)));
}

KORVEX_TEST_MAIN(TestDesignerLabel)
#include "tst_designerlabel.moc"
