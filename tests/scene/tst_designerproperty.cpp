#include "KorvexTestMain.h"
#include "io/CKorvexDesignerProperty.h"
#include "io/CKorvexPropertyKeys.h"
#include "io/CKorvexPropertyText.h"
#include "io/CKorvexPropertyValue.h"

#include <QPointF>

namespace P = CKorvexPropertyKeys;

class TestDesignerProperty : public QObject
{
    Q_OBJECT

private slots:
    void realFormat_data();
    void realFormat();
    void stackingValueIsRounded_data();
    void stackingValueIsRounded();
    void thirtyKeys();
    void blockListsKeysInOrderWithoutTrailingLineFeed();
    void blockDropsUnknownKeysAndLowerCasesKeys();
    void blockWritesEachKind();
    void readingKeepsLastLineAndUntrimmedValue();
    void readingPoints_data();
    void readingPoints();
    void readingColours_data();
    void readingColours();
    void readingBooleans_data();
    void readingBooleans();
    void readingNumbersThatDoNotParse();
    void readingLineWithoutColon();
    void multiLineTextRoundTrip();
    void fontListKeepsEmptyParts();
    void largeCoordinateRoundsToSixDigits();
    void blockRoundTrip();
    void matchesLooksOnlyAtOwnKeys();
    void indexedAccessInsertsInvalidValue();
    void gradientListAndBack();
    void gradientFromShortOrRaggedList();
    void colourFromList();
};

void TestDesignerProperty::realFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 100.0 << "100";
    QTest::newRow("half") << 12.5 << "12.5";
    QTest::newRow("third") << 1.0 / 3.0 << "0.333333";
    QTest::newRow("million") << 1234567.0 << "1.23457e+06";
    QTest::newRow("small") << 0.0001234 << "0.0001234";
    QTest::newRow("tiny") << 0.00001234 << "1.234e-05";
    QTest::newRow("negative") << -7.25 << "-7.25";
    QTest::newRow("zero") << 0.0 << "0";
}

void TestDesignerProperty::realFormat()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(CKorvexPropertyText::formatReal(value), text);
    CKorvexDesignerProperty record;
    record.setValue(P::Width, value);
    QCOMPARE(record.toItemBlock(), QStringLiteral("item begin\nwidth:%1\nitem end").arg(text));
}

void TestDesignerProperty::stackingValueIsRounded_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.6") << QVariant(2.6) << "3";
    QTest::newRow("2.5") << QVariant(2.5) << "3";
    QTest::newRow("2.4") << QVariant(2.4) << "2";
    QTest::newRow("-2.6") << QVariant(-2.6) << "-3";
    QTest::newRow("int") << QVariant(7) << "7";
    QTest::newRow("huge") << QVariant(1e300) << "2147483647";
}

void TestDesignerProperty::stackingValueIsRounded()
{
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    CKorvexDesignerProperty record;
    record.setValue(P::ZValue, value);
    QCOMPARE(record.toItemBlock(), QStringLiteral("item begin\nzvalue:%1\nitem end").arg(text));
}

void TestDesignerProperty::thirtyKeys()
{
    QCOMPARE(CKorvexPropertyText::knownKeys().size(), 30);
    QVERIFY(CKorvexPropertyText::isKnownKey(QStringLiteral("fill color gradient")));
    QVERIFY(!CKorvexPropertyText::isKnownKey(QStringLiteral("Type")));
}

void TestDesignerProperty::blockListsKeysInOrderWithoutTrailingLineFeed()
{
    CKorvexDesignerProperty record;
    record.setValue(P::Type, QStringLiteral("line"));
    record.setValue(P::ZValue, 0);
    record.setValue(P::StartLocation, QPointF(0, 0));
    record.setValue(P::PenWidth, 1.0);
    record.setValue(P::PenColor, QStringList{"0", "0", "0"});
    record.setValue(P::EndLocation, QPointF(100, 0));
    QCOMPARE(record.toItemBlock(), QStringLiteral("item begin\nend location:100 0\npen color:0 0 0\npen width:1\n"
                                                  "start location:0 0\ntype:line\nzvalue:0\nitem end"));
}

void TestDesignerProperty::blockDropsUnknownKeysAndLowerCasesKeys()
{
    CKorvexDesignerProperty record;
    record.setValue(QStringLiteral("colour"), QStringLiteral("red"));
    record.setValue(QStringLiteral("DPI"), 300);
    record.setValue(P::Dpi, 96);
    // An upper-case key is written lower-cased with the value held under the lower-case key.
    QCOMPARE(record.toItemBlock(), QStringLiteral("item begin\ndpi:96\ndpi:96\nitem end"));
    CKorvexDesignerProperty empty;
    QCOMPARE(empty.toItemBlock(), QStringLiteral("item begin\nitem end"));
}

void TestDesignerProperty::blockWritesEachKind()
{
    CKorvexDesignerProperty record;
    record.setValue(P::IsGradientMode, true);
    record.setValue(P::IsImageMode, false);
    record.setValue(P::FontListText, QStringList{"Arial", "", "Times"});
    record.setValue(P::Html, QStringLiteral("a\nb"));
    record.setValue(P::ScaleToFit, 1);
    record.setValue(P::FillColorGradient, QStringList{"0", "0", "1", "0", "0.5", "1", "2", "3"});
    QCOMPARE(record.toItemBlock(),
             QStringLiteral("item begin\nfill color gradient:0 0 1 0 0.5 1 2 3\nfont list text:Arial@@Times\n"
                            "html:a<korvex_newline>b\nis gradient mode:true\nis image mode:false\n"
                            "scale to fit:1\nitem end"));
}

void TestDesignerProperty::readingKeepsLastLineAndUntrimmedValue()
{
    CKorvexDesignerProperty record;
    record.fromItemBlock(QStringLiteral("type:rect\n  Type : Line\nurl:http://a.b/c:d"));
    QCOMPARE(record.value(P::Type).toString(), QStringLiteral(" Line"));
    QCOMPARE(record.value(P::Url).toString(), QStringLiteral("http://a.b/c:d"));
    QCOMPARE(record.keys(), (QStringList{P::Type, P::Url}));
}

void TestDesignerProperty::readingPoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("two") << "12.5 -3" << QVariant(QPointF(12.5, -3));
    QTest::newRow("garbage parts") << "x y" << QVariant(QPointF(0, 0));
    QTest::newRow("one") << "12" << QVariant();
    QTest::newRow("three") << "1 2 3" << QVariant();
    QTest::newRow("double blank") << "1  2" << QVariant();
    QTest::newRow("empty") << "" << QVariant();
}

void TestDesignerProperty::readingPoints()
{
    QFETCH(QString, text);
    QFETCH(QVariant, expected);
    CKorvexDesignerProperty record;
    record.fromItemBlock(QStringLiteral("start location:") + text);
    QVERIFY(record.contains(P::StartLocation));
    QCOMPARE(record.value(P::StartLocation), expected);
    QCOMPARE(CKorvexPropertyValue::point(record.value(P::StartLocation)), expected.toPointF());
}

void TestDesignerProperty::readingColours_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("parts");
    QTest::newRow("three") << "fill color" << "1 2 3" << 3;
    QTest::newRow("four") << "fill color" << "1 2 3 4" << 4;
    QTest::newRow("two") << "pen color" << "1 2" << -1;
    QTest::newRow("five") << "pen color" << "1 2 3 4 5" << -1;
    QTest::newRow("gradient four") << "fill color gradient" << "0 0 1 0" << 4;
    QTest::newRow("gradient nine") << "fill color gradient" << "0 0 1 0 0 1 2 3 1" << 9;
    QTest::newRow("gradient three") << "fill color gradient" << "0 0 1" << -1;
}

void TestDesignerProperty::readingColours()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(int, parts);
    CKorvexDesignerProperty record;
    record.fromItemBlock(key + QLatin1Char(':') + text);
    QVERIFY(record.contains(key));
    if (parts < 0) {
        QVERIFY(!record.value(key).isValid());
    } else {
        QCOMPARE(record.value(key).toStringList().size(), parts);
        QCOMPARE(record.value(key).toStringList().join(' '), text);
    }
}

void TestDesignerProperty::readingBooleans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("true") << "true" << true;
    QTest::newRow("TRUE") << "TRUE" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("yes") << "yes" << false;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("blank true") << " true" << false;
}

void TestDesignerProperty::readingBooleans()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    CKorvexDesignerProperty record;
    record.fromItemBlock(QStringLiteral("is image mode:") + text);
    QCOMPARE(record.value(P::IsImageMode).userType(), int(QMetaType::Bool));
    QCOMPARE(record.value(P::IsImageMode).toBool(), expected);
}

void TestDesignerProperty::readingNumbersThatDoNotParse()
{
    CKorvexDesignerProperty record;
    record.fromItemBlock(QStringLiteral("zvalue:2.5\nwidth:wide\ndpi:300\nheight:1e3\nscene state index:-4"));
    QCOMPARE(record.value(P::ZValue), QVariant(0));
    QCOMPARE(record.value(P::Width), QVariant(0.0));
    QCOMPARE(record.value(P::Dpi), QVariant(300));
    QCOMPARE(record.value(P::Height), QVariant(1000.0));
    QCOMPARE(record.value(P::SceneStateIndex), QVariant(-4));
}

void TestDesignerProperty::readingLineWithoutColon()
{
    CKorvexDesignerProperty record;
    record.fromItemBlock(QStringLiteral("type\nnothing here\n\nurl"));
    QCOMPARE(record.value(P::Type).toString(), QStringLiteral("type"));
    QCOMPARE(record.value(P::Url).toString(), QStringLiteral("url"));
    QCOMPARE(record.keys().size(), 2);
}

void TestDesignerProperty::multiLineTextRoundTrip()
{
    CKorvexDesignerProperty record;
    record.setValue(P::Text, QStringLiteral("first: one\nsecond @ two"));
    const QString block = record.toItemBlock();
    QCOMPARE(block, QStringLiteral("item begin\ntext:first: one<korvex_newline>second @ two\nitem end"));
    CKorvexDesignerProperty read;
    read.fromItemBlock(block.section('\n', 1, -2));
    QCOMPARE(read.value(P::Text).toString(), QStringLiteral("first: one\nsecond @ two"));
}

void TestDesignerProperty::fontListKeepsEmptyParts()
{
    CKorvexDesignerProperty record;
    record.fromItemBlock(QStringLiteral("font list text:Arial@@Courier New@"));
    QCOMPARE(record.value(P::FontListText).toStringList(), (QStringList{"Arial", "", "Courier New", ""}));
}

void TestDesignerProperty::largeCoordinateRoundsToSixDigits()
{
    CKorvexDesignerProperty record;
    record.setValue(P::StartLocation, QPointF(1234567, 2));
    const QString block = record.toItemBlock();
    QCOMPARE(block, QStringLiteral("item begin\nstart location:1.23457e+06 2\nitem end"));
    CKorvexDesignerProperty read;
    read.fromItemBlock(block.section('\n', 1, -2));
    QCOMPARE(read.value(P::StartLocation).toPointF(), QPointF(1234570, 2));
}

void TestDesignerProperty::blockRoundTrip()
{
    CKorvexDesignerProperty record;
    record.setValue(P::Type, QStringLiteral("rect"));
    record.setValue(P::StartLocation, QPointF(10.5, 20));
    record.setValue(P::Width, 100.0);
    record.setValue(P::FillColor, QStringList{"1", "2", "3", "4"});
    record.setValue(P::IsGradientMode, false);
    record.setValue(P::ZValue, 3);
    record.setValue(P::Action, QStringLiteral("1<?KORVEX_ELEMENT>x"));
    const QString block = record.toItemBlock();
    CKorvexDesignerProperty read;
    read.fromItemBlock(block.section('\n', 1, -2));
    QVERIFY(read.matches(record));
    QVERIFY(record.matches(read));
    QCOMPARE(read.toItemBlock(), block);
}

void TestDesignerProperty::matchesLooksOnlyAtOwnKeys()
{
    CKorvexDesignerProperty small;
    small.setValue(P::Type, QStringLiteral("rect"));
    CKorvexDesignerProperty large = small;
    large.setValue(P::Width, 5.0);
    QVERIFY(small.matches(large));
    QVERIFY(!large.matches(small));
    large.setValue(P::Type, QStringLiteral("line"));
    QVERIFY(!small.matches(large));
    QVERIFY(CKorvexDesignerProperty().matches(small));
}

void TestDesignerProperty::indexedAccessInsertsInvalidValue()
{
    CKorvexDesignerProperty record;
    QVERIFY(!record.value(P::Url).isValid());
    QVERIFY(!record.contains(P::Url));
    QVERIFY(!record[P::Url].isValid());
    QVERIFY(record.contains(P::Url));
    record[P::Dpi] = 150;
    QCOMPARE(record.value(P::Dpi), QVariant(150));
}


void TestDesignerProperty::gradientListAndBack()
{
    QLinearGradient gradient;
    gradient.setColorAt(0, QColor(255, 0, 0, 10));
    gradient.setColorAt(1.0 / 3.0, QColor(0, 255, 0));
    gradient.setColorAt(1, QColor(0, 0, 255));
    const QStringList list = CKorvexPropertyValue::gradientList(gradient);
    QCOMPARE(list.join(' '), QStringLiteral("0 0 1 0 0 255 0 0 0.333333 0 255 0 1 0 0 255"));
    const QLinearGradient read = CKorvexPropertyValue::gradient(list);
    QCOMPARE(read.start(), QPointF(0, 0));
    QCOMPARE(read.finalStop(), QPointF(1, 0));
    QCOMPARE(read.stops().size(), 3);
    QCOMPARE(read.stops().at(0).second, QColor(255, 0, 0));
    QCOMPARE(read.stops().at(1).first, 0.333333);
}

void TestDesignerProperty::gradientFromShortOrRaggedList()
{
    const QLinearGradient ragged = CKorvexPropertyValue::gradient(QStringList{"0", "0", "1", "0", "0.5", "9"});
    QCOMPARE(ragged.stops().size(), 1);
    QCOMPARE(ragged.stops().at(0), QGradientStop(0.5, QColor(9, 0, 0)));
    const QLinearGradient outOfRange = CKorvexPropertyValue::gradient(QStringList{"0", "0", "1", "0", "7", "1", "1", "1"});
    QCOMPARE(outOfRange.stops().at(0).first, 1.0);
    QVERIFY(CKorvexPropertyValue::gradient(QStringList{"0", "0"}) == QLinearGradient());
}

void TestDesignerProperty::colourFromList()
{
    QCOMPARE(*CKorvexPropertyValue::color(QStringList{"1", "2", "3"}), QColor(1, 2, 3));
    QCOMPARE(*CKorvexPropertyValue::color(QStringList{"1", "2", "3", "4"}), QColor(1, 2, 3, 4));
    QCOMPARE(*CKorvexPropertyValue::color(QStringList{"300", "-2", "x"}), QColor(255, 0, 0));
    QVERIFY(!CKorvexPropertyValue::color(QStringList{"1", "2"}));
    QVERIFY(!CKorvexPropertyValue::color(QVariant()));
    QCOMPARE(CKorvexPropertyValue::colorList(QColor(1, 2, 3, 4), true), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(CKorvexPropertyValue::colorList(QColor(1, 2, 3, 4), false), (QStringList{"1", "2", "3"}));
}

KORVEX_TEST_MAIN(TestDesignerProperty)
#include "tst_designerproperty.moc"
