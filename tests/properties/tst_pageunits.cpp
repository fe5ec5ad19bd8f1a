#include "KorvexTestMain.h"
#include "properties/CKorvexPageUnits.h"
#include "properties/CKorvexPaperSizes.h"

#include <limits>

class TestPageUnits : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void toPixels_data();
    void toPixels();
    void toPixelsPrintsNothing();
    void toPhysical_data();
    void toPhysical();
    void resolutionIndex_data();
    void resolutionIndex();
    void keepAspect_data();
    void keepAspect();
    void paperTable_data();
    void paperTable();
    void paperLookupIsExact();
    void onlyLedgerIsLandscape();
};

namespace {

QStringList capturedMessages;

void captureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    capturedMessages.append(message);
}

} // namespace

void TestPageUnits::init()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestPageUnits::toPixels_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("pixels");

    QTest::newRow("A4 width at 72") << 8.27 << int(CKorvexPageUnits::Inches) << 72 << 595;
    QTest::newRow("A4 height at 72") << 11.69 << int(CKorvexPageUnits::Inches) << 72 << 842;
    QTest::newRow("21 cm at 300") << 21.0 << int(CKorvexPageUnits::Centimetres) << 300 << 2480;
    QTest::newRow("210 mm at 300") << 210.0 << int(CKorvexPageUnits::Millimetres) << 300 << 2480;
    QTest::newRow("1 cm at 72 uses 0.393701") << 1.0 << int(CKorvexPageUnits::Centimetres) << 72 << 28;
    QTest::newRow("100 mm at 4000") << 100.0 << int(CKorvexPageUnits::Millimetres) << 4000 << 15748;
    QTest::newRow("half goes up") << 2.5 << int(CKorvexPageUnits::Inches) << 1 << 3;
    QTest::newRow("just below half goes down") << 2.49 << int(CKorvexPageUnits::Inches) << 1 << 2;
    QTest::newRow("zero") << 0.0 << int(CKorvexPageUnits::Inches) << 72 << 0;
    QTest::newRow("negative gives zero") << -3.0 << int(CKorvexPageUnits::Inches) << 72 << 0;
    QTest::newRow("field maximum is capped")
        << 1000000000.0 << int(CKorvexPageUnits::Inches) << 4000 << 100000000;
    QTest::newRow("infinity is capped")
        << std::numeric_limits<double>::infinity() << int(CKorvexPageUnits::Inches) << 72 << 100000000;
    QTest::newRow("nan gives zero")
        << std::numeric_limits<double>::quiet_NaN() << int(CKorvexPageUnits::Inches) << 72 << 0;
}

void TestPageUnits::toPixels()
{
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(int, dpi);
    QFETCH(int, pixels);
    QCOMPARE(CKorvexPageUnits::toPixels(value, unit, dpi), pixels);
}

void TestPageUnits::toPixelsPrintsNothing()
{
    // The page size dialog converts on every keystroke: nothing may reach the terminal, debug output included.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    capturedMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessage);
    CKorvexPageUnits::toPixels(21.0, CKorvexPageUnits::Centimetres, 300);
    CKorvexPageUnits::toPixels(5.0, CKorvexPageUnits::Millimetres, 72);
    CKorvexPageUnits::toPixels(8.5, CKorvexPageUnits::Inches, 600);
    qInstallMessageHandler(previous);
    QCOMPARE(capturedMessages, QStringList());
}

void TestPageUnits::toPhysical_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<double>("value");

    QTest::newRow("2480 px at 300 in cm") << 2480 << int(CKorvexPageUnits::Centimetres) << 300 << 20.997333;
    QTest::newRow("2480 px at 300 in mm") << 2480 << int(CKorvexPageUnits::Millimetres) << 300 << 209.973333;
    QTest::newRow("595 px at 72 in inches") << 595 << int(CKorvexPageUnits::Inches) << 72 << 8.263889;
    QTest::newRow("72 px at 72 is one inch") << 72 << int(CKorvexPageUnits::Inches) << 72 << 1.0;
    QTest::newRow("72 px at 72 in cm uses 2.54") << 72 << int(CKorvexPageUnits::Centimetres) << 72 << 2.54;
    QTest::newRow("no resolution gives zero") << 595 << int(CKorvexPageUnits::Inches) << 0 << 0.0;
}

void TestPageUnits::toPhysical()
{
    QFETCH(int, pixels);
    QFETCH(int, unit);
    QFETCH(int, dpi);
    QFETCH(double, value);
    QVERIFY2(qAbs(CKorvexPageUnits::toPhysical(pixels, unit, dpi) - value) < 5e-7,
             qPrintable(QString::number(CKorvexPageUnits::toPhysical(pixels, unit, dpi), 'f', 8)));
}

void TestPageUnits::resolutionIndex_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("index");

    const QList<int> offered{72, 144, 300, 600, 1200, 2400, 3600, 4000};
    for (int i = 0; i < offered.size(); ++i)
        QTest::addRow("%d", offered.at(i)) << offered.at(i) << i;
    QTest::newRow("96 falls back to 72") << 96 << 0;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("negative") << -300 << 0;
}

void TestPageUnits::resolutionIndex()
{
    QFETCH(int, dpi);
    QFETCH(int, index);
    QCOMPARE(CKorvexPageUnits::resolutionIndex(dpi), index);
}

void TestPageUnits::keepAspect_data()
{
    QTest::addColumn<int>("referenceOther");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("referenceSide");
    QTest::addColumn<int>("other");

    QTest::newRow("600x800 width 300") << 800 << 300 << 600 << 400;
    QTest::newRow("quotient truncates") << 800 << 7 << 600 << 9;
    QTest::newRow("tiny result is zero") << 1 << 5 << 1000 << 0;
    QTest::newRow("large product does not overflow") << 100000000 << 50000000 << 100000000 << 50000000;
    QTest::newRow("result capped at field maximum") << 100000000 << 100000000 << 1 << 100000000;
    QTest::newRow("zero reference keeps side") << 800 << 300 << 0 << 300;
}

void TestPageUnits::keepAspect()
{
    QFETCH(int, referenceOther);
    QFETCH(int, side);
    QFETCH(int, referenceSide);
    QFETCH(int, other);
    QCOMPARE(CKorvexPageUnits::keepAspect(referenceOther, side, referenceSide), other);
}

void TestPageUnits::paperTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");

    const struct { const char* name; double width; double height; } rows[] = {
        {"Custom", 8.27, 11.69}, {"4A0", 66.22, 93.62}, {"2A0", 46.81, 66.22},
        {"A0", 33.11, 46.81},    {"A1", 23.39, 33.11},  {"A2", 16.54, 23.39},
        {"A3", 11.69, 16.54},    {"A4", 8.27, 11.69},   {"A5", 5.83, 8.27},
        {"A6", 4.13, 5.83},      {"A7", 2.91, 4.13},    {"A8", 2.05, 2.91},
        {"A9", 1.46, 2.05},      {"A10", 1.02, 1.46},   {"Letter", 8.5, 11},
        {"Tabloid", 11, 17},     {"Ledger", 17, 11},    {"Legal", 8.5, 14},
        {"Executive", 7.25, 10.5}};
    int index = 0;
    for (const auto& row : rows)
        QTest::newRow(row.name) << index++ << QString::fromLatin1(row.name) << row.width << row.height;
}

void TestPageUnits::paperTable()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(double, width);
    QFETCH(double, height);
    QCOMPARE(CKorvexPaperSizes::papers().size(), 19);
    const CKorvexPaperSizes::Paper& paper = CKorvexPaperSizes::paper(index);
    QCOMPARE(paper.name, name);
    QCOMPARE(paper.widthInches, width);
    QCOMPARE(paper.heightInches, height);
    QCOMPARE(CKorvexPaperSizes::indexOf(name), index);
}

void TestPageUnits::paperLookupIsExact()
{
    QCOMPARE(CKorvexPaperSizes::indexOf(QStringLiteral("a4")), -1);
    QCOMPARE(CKorvexPaperSizes::indexOf(QStringLiteral("A4 ")), -1);
    QCOMPARE(CKorvexPaperSizes::indexOf(QString()), -1);
    QCOMPARE(CKorvexPaperSizes::paper(-1).name, QStringLiteral("Custom"));
    QCOMPARE(CKorvexPaperSizes::paper(19).name, QStringLiteral("Custom"));
}

void TestPageUnits::onlyLedgerIsLandscape()
{
    QStringList landscape;
    for (const CKorvexPaperSizes::Paper& paper : CKorvexPaperSizes::papers()) {
        if (!CKorvexPaperSizes::isPortrait(paper))
            landscape.append(paper.name);
    }
    QCOMPARE(landscape, QStringList{QStringLiteral("Ledger")});
}

KORVEX_TEST_MAIN(TestPageUnits)
#include "tst_pageunits.moc"
