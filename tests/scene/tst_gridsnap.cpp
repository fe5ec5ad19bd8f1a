#include "KorvexTestEnvironment.h"
#include "KorvexTestMain.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexGridSnap.h"
#include "services/CKorvexProductInfo.h"

#include <QSettings>
#include <limits>

class TestGridSnap : public QObject
{
    Q_OBJECT

private slots:
    void coordinate_data();
    void coordinate();
    void stepFollowsSettingsAndAlt();
    void badValuesStayFinite();
};

void TestGridSnap::coordinate_data()
{
    QTest::addColumn<double>("c");
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("expected");
    QTest::newRow("17.3") << 17.3 << 10 << 10.0;
    QTest::newRow("19.9") << 19.9 << 10 << 10.0;
    QTest::newRow("-17.3") << -17.3 << 10 << -10.0;
    QTest::newRow("20") << 20.0 << 10 << 20.0;
    QTest::newRow("25") << 25.0 << 10 << 20.0;
    QTest::newRow("48") << 48.0 << 10 << 40.0;
    QTest::newRow("0") << 0.0 << 10 << 0.0;
    QTest::newRow("unit 2.6") << 2.6 << 1 << 3.0;
    QTest::newRow("unit 2.4") << 2.4 << 1 << 2.0;
    QTest::newRow("unit -2.5") << -2.5 << 1 << -2.0;
    QTest::newRow("unit -2.6") << -2.6 << 1 << -3.0;
    QTest::newRow("step 0 is 1") << 2.6 << 0 << 3.0;
}

void TestGridSnap::coordinate()
{
    QFETCH(double, c);
    QFETCH(int, step);
    QFETCH(double, expected);
    QCOMPARE(CKorvexGridSnap::snapCoordinate(c, step), expected);
}

void TestGridSnap::stepFollowsSettingsAndAlt()
{
    KorvexTestEnvironment::clearSettings();
    CKorvexDesignerContext context;
    QCOMPARE(context.snapStep(), 1);
    {
        const auto settings = CKorvexProductInfo::openSettings();
        settings->setValue(QStringLiteral("Designer/SnappingCheckBox"), true);
        settings->setValue(QStringLiteral("Designer/GridSize"), 20);
    }
    QCOMPARE(context.snapStep(), 20);
    QCOMPARE(CKorvexGridSnap::snap(QPointF(33, 29), context.snapStep()), QPointF(20, 20));
    context.setSnappingSuspended(true);
    QCOMPARE(CKorvexGridSnap::snap(QPointF(33.4, 28.6), context.snapStep()), QPointF(33, 29));
    context.setSnappingSuspended(false);
    {
        const auto settings = CKorvexProductInfo::openSettings();
        settings->setValue(QStringLiteral("Designer/GridSize"), -5);
    }
    QCOMPARE(context.snapStep(), 1);
    KorvexTestEnvironment::clearSettings();
}

void TestGridSnap::badValuesStayFinite()
{
    QCOMPARE(CKorvexGridSnap::snapCoordinate(std::numeric_limits<double>::quiet_NaN(), 10), 0.0);
    QCOMPARE(CKorvexGridSnap::snapCoordinate(std::numeric_limits<double>::infinity(), 10), 0.0);
    QCOMPARE(CKorvexGridSnap::snapCoordinate(1e30, 10), 1e30);
}

KORVEX_TEST_MAIN(TestGridSnap)
#include "tst_gridsnap.moc"
