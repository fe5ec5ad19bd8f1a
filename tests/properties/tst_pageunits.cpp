#include "KorvexTestMain.h"
#include "properties/CKorvexPageUnits.h"

#include <limits>

class TestPageUnits : public QObject
{
    Q_OBJECT

private slots:
    // The conversion logs every call; only the debug test wants those lines.
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void toPixels_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("pixels");
        const int in = CKorvexPageUnits::Inches, cm = CKorvexPageUnits::Centimetres, mm = CKorvexPageUnits::Millimetres;
        const double infinity = std::numeric_limits<double>::infinity();
        QTest::newRow("A4 width at 72") << 8.27 << in << 72 << 595;
        QTest::newRow("21 cm at 300") << 21.0 << cm << 300 << 2480;
        QTest::newRow("210 mm at 300") << 210.0 << mm << 300 << 2480;
        // Large enough that 1 / 2.54 instead of 0.393701 would show.
        QTest::newRow("cm factor is 0.393701") << 50000.0 << cm << 4000 << 78740200;
        QTest::newRow("mm factor is 0.0393701") << 500000.0 << mm << 4000 << 78740200;
        QTest::newRow("half goes up") << 2.5 << in << 1 << 3;
        QTest::newRow("just below half goes down") << 2.49 << in << 1 << 2;
        QTest::newRow("negative gives zero") << -3.0 << in << 72 << 0;
        QTest::newRow("nan gives zero") << std::numeric_limits<double>::quiet_NaN() << in << 72 << 0;
        QTest::newRow("capped at the field maximum") << 1e9 << in << 4000 << 100000000;
        QTest::newRow("infinity is capped") << infinity << in << 72 << 100000000;
    }

    void toPixels()
    {
        QFETCH(double, value);
        QFETCH(int, unit);
        QFETCH(int, dpi);
        QFETCH(int, pixels);
        QCOMPARE(CKorvexPageUnits::toPixels(value, unit, dpi), pixels);
    }

    void toPixelsWritesDebugLines()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
        for (const char* line : {"^cm =  21$", "^in inches =  8.26772", "^dpi =  300$", "^mm =  5$", "^in inches = ",
                                 "^dpi =  72$"})
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QLatin1String(line)));
        CKorvexPageUnits::toPixels(21.0, CKorvexPageUnits::Centimetres, 300);
        CKorvexPageUnits::toPixels(5.0, CKorvexPageUnits::Millimetres, 72);
    }

    void toPhysical_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("value");
        QTest::newRow("inches") << 595 << int(CKorvexPageUnits::Inches) << 72 << 8.263889;
        QTest::newRow("cm uses 2.54") << 2480 << int(CKorvexPageUnits::Centimetres) << 300 << 20.997333;
        QTest::newRow("mm uses 25.4") << 2480 << int(CKorvexPageUnits::Millimetres) << 300 << 209.973333;
        QTest::newRow("no resolution gives zero") << 595 << int(CKorvexPageUnits::Inches) << 0 << 0.0;
    }

    void toPhysical()
    {
        QFETCH(int, pixels);
        QFETCH(int, unit);
        QFETCH(int, dpi);
        QFETCH(double, value);
        const double physical = CKorvexPageUnits::toPhysical(pixels, unit, dpi);
        QVERIFY2(qAbs(physical - value) < 5e-7, qPrintable(QString::number(physical, 'f', 8)));
    }

    void keepAspect_data()
    {
        QTest::addColumn<int>("referenceOther");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("referenceSide");
        QTest::addColumn<int>("other");
        QTest::newRow("600x800 width 300") << 800 << 300 << 600 << 400;
        QTest::newRow("quotient truncates") << 800 << 5 << 600 << 6;
        QTest::newRow("tiny result is zero") << 1 << 5 << 1000 << 0;
        QTest::newRow("large product does not overflow") << 100000000 << 50000000 << 100000000 << 50000000;
        QTest::newRow("capped at the field maximum") << 100000000 << 100000000 << 1 << 100000000;
        QTest::newRow("zero reference keeps side") << 800 << 300 << 0 << 300;
    }

    void keepAspect()
    {
        QFETCH(int, referenceOther);
        QFETCH(int, side);
        QFETCH(int, referenceSide);
        QFETCH(int, other);
        QCOMPARE(CKorvexPageUnits::keepAspect(referenceOther, side, referenceSide), other);
    }
};

KORVEX_TEST_MAIN(TestPageUnits)
#include "tst_pageunits.moc"
