#include "KorvexDialogDriver.h"
#include "KorvexTestMain.h"
#include "properties/CKorvexPageSize.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <limits>

using namespace KorvexDialogDriver;

namespace {

// A dialog and its widgets, found by their object names.
struct Page
{
    CKorvexPageSize dialog;
    QComboBox* pageSize = child<QComboBox>(&dialog, "pageSizeComboBox");
    QComboBox* orientation = child<QComboBox>(&dialog, "sizeOrientationComboBox");
    QSpinBox* width = child<QSpinBox>(&dialog, "widthSpinBox");
    QSpinBox* height = child<QSpinBox>(&dialog, "heightSpinBox");
    QDoubleSpinBox* widthUnits = child<QDoubleSpinBox>(&dialog, "widthInPdfUnitsSpinBox");
    QDoubleSpinBox* heightUnits = child<QDoubleSpinBox>(&dialog, "heightInPdfUnitsSpinBox");
    QComboBox* widthUnit = child<QComboBox>(&dialog, "widthInPdfUnitsComboBox");
    QComboBox* heightUnit = child<QComboBox>(&dialog, "heightInPdfUnitsComboBox");
    QComboBox* resolution = child<QComboBox>(&dialog, "resolutionStandardUnitsComboBox");
    QComboBox* resolutionUnit = child<QComboBox>(&dialog, "resolutionInPdfUnitsComboBox");
    QCheckBox* keepAspect = child<QCheckBox>(&dialog, "keepAspectRatioCheckBox");

    /// The fields a paper locks and "Custom" unlocks.
    QList<QWidget*> sizeFields() const
    {
        return {width, height, widthUnits, heightUnits, widthUnit, heightUnit, keepAspect, resolutionUnit};
    }
};

} // namespace

class TestPageSize : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        KorvexTestEnvironment::clearSettings();
    }

    void choosingAPaper_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QString>("dpi");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QString>("orientation");
        QTest::newRow("A4") << "A4" << "72" << QSizeF(595, 842) << "Portrait";
        QTest::newRow("Ledger is landscape") << "Ledger" << "72" << QSizeF(1224, 792) << "Landscape";
        QTest::newRow("Letter at 144") << "Letter" << "144" << QSizeF(1224, 1584) << "Portrait";
        QTest::newRow("Custom after A3 resets") << "Custom" << "72" << QSizeF(595, 842) << "Portrait";
    }

    void choosingAPaper()
    {
        QFETCH(QString, paper);
        QFETCH(QString, dpi);
        QFETCH(QSizeF, size);
        QFETCH(QString, orientation);
        storeDesignerValue(QStringLiteral("keepAspectRatio"), true);
        storeDesignerValue(QStringLiteral("unitType"), QStringLiteral("mm"));
        Page p;
        p.dialog.setSize(800, 600);
        QVERIFY(pick(p.resolution, dpi));
        QVERIFY(pick(p.pageSize, QStringLiteral("A3")));
        QVERIFY(pick(p.pageSize, paper));
        QCOMPARE(p.dialog.size(), size);
        QCOMPARE(p.orientation->currentText(), orientation);
        QCOMPARE(p.widthUnit->currentText(), QStringLiteral("inches"));
        QVERIFY(!p.keepAspect->isChecked());
        const bool custom = paper == QLatin1String("Custom");
        for (QWidget* field : p.sizeFields())
            QVERIFY2(field->isEnabled() == custom, qPrintable(field->objectName()));
        QVERIFY(p.orientation->isEnabled() && p.resolution->isEnabled());
        // Unchecking by choosing a paper is not a user choice: the stored value stays.
        QCOMPARE(storedDesignerValue(QStringLiteral("keepAspectRatio")).toBool(), true);
    }

    void centimetresAt300RoundTrip()
    {
        Page p;
        p.dialog.setSize(2480, 3508);
        p.dialog.setResolution(300);
        QVERIFY(pick(p.widthUnit, QStringLiteral("cm")));
        QCOMPARE(p.widthUnits->value(), 20.997333);
        QCOMPARE(p.heightUnits->value(), 29.701067);
        typeInto(p.widthUnits, QStringLiteral("21"));
        QCOMPARE(p.dialog.size(), QSizeF(2480, 3508));
        typeInto(p.widthUnits, QStringLiteral("22"));
        QCOMPARE(p.dialog.size(), QSizeF(2598, 3508));
        QCOMPARE(storedDesignerValue(QStringLiteral("unitType")).toString(), QStringLiteral("cm"));
    }

    void unitBoxesAreChained()
    {
        Page p;
        p.dialog.setSize(720, 1440);
        QVERIFY(pick(p.resolutionUnit, QStringLiteral("pixels per mm")));
        QCOMPARE(p.widthUnit->currentIndex(), 2);
        QCOMPARE(p.heightUnit->currentIndex(), 2);
        QCOMPARE(p.widthUnits->value(), 254.0);
        QCOMPARE(p.heightUnits->value(), 508.0);
        QVERIFY(pick(p.heightUnit, QStringLiteral("inches")));
        QCOMPARE(p.widthUnit->currentIndex(), 0);
        QCOMPARE(p.resolutionUnit->currentIndex(), 0);
        QCOMPARE(p.widthUnits->value(), 10.0);
        QCOMPARE(p.dialog.size(), QSizeF(720, 1440));
        QCOMPARE(p.dialog.resolution(), 72);
    }

    void storedUnitIsRestored_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::newRow("cm") << "cm" << 1;
        QTest::newRow("pixels per mm") << "pixels per mm" << 2;
        QTest::newRow("other case is unknown") << "CM" << 0;
        QTest::newRow("unknown") << "furlongs" << 0;
        QTest::newRow("empty") << "" << 0;
    }

    void storedUnitIsRestored()
    {
        QFETCH(QString, text);
        QFETCH(int, unit);
        storeDesignerValue(QStringLiteral("unitType"), text);
        Page p;
        QCOMPARE(p.dialog.pageSizeType(), QStringLiteral("Custom"));
        QCOMPARE(p.dialog.size(), QSizeF(842, 595)); // 11.69 x 8.27 inches at 72
        p.dialog.setSize(720, 720);
        QCOMPARE(p.heightUnit->currentIndex(), unit);
        QCOMPARE(p.resolutionUnit->currentIndex(), unit);
        const double inUnit[] = {10.0, 25.4, 254.0};
        QCOMPARE(p.widthUnits->value(), inUnit[unit]);
        QCOMPARE(p.heightUnits->value(), inUnit[unit]);
        QCOMPARE(p.dialog.size(), QSizeF(720, 720));
    }

    void okAndCancelStoreTheUnit()
    {
        for (bool ok : {true, false}) {
            KorvexTestEnvironment::clearSettings();
            Page p;
            {
                const QSignalBlocker blocker(p.widthUnit); // change the unit without its handler
                p.widthUnit->setCurrentIndex(2);
            }
            QVERIFY(!storedDesignerValue(QStringLiteral("unitType")).isValid());
            click(child<QPushButton>(&p.dialog, ok ? "okButton" : "cancelButton"));
            QCOMPARE(p.dialog.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
            QCOMPARE(storedDesignerValue(QStringLiteral("unitType")).toString(), QStringLiteral("mm"));
        }
    }

    void orientationFollowsTheSides()
    {
        Page p;
        p.dialog.setSize(600, 800);
        QVERIFY(pick(p.orientation, QStringLiteral("Landscape")));
        QCOMPARE(p.dialog.size(), QSizeF(800, 600));
        QCOMPARE(p.widthUnits->value(), 11.111111);
        QCOMPARE(p.heightUnits->value(), 8.333333);
        QVERIFY(pick(p.orientation, QStringLiteral("Portrait")));
        QCOMPARE(p.dialog.size(), QSizeF(600, 800));
        // A square page shows Landscape after a width edit and Portrait after a height edit.
        typeInto(p.width, QStringLiteral("800"));
        QCOMPARE(p.orientation->currentText(), QStringLiteral("Landscape"));
        typeInto(p.height, QStringLiteral("800"));
        QCOMPARE(p.orientation->currentText(), QStringLiteral("Portrait"));
        typeInto(p.height, QStringLiteral("799"));
        QCOMPARE(p.orientation->currentText(), QStringLiteral("Landscape"));
    }

    void keepAspectRatioScalesFromTheReference()
    {
        {
            Page p;
            p.dialog.setSize(600, 800);
            toggle(p.keepAspect);
            QCOMPARE(storedDesignerValue(QStringLiteral("keepAspectRatio")).toBool(), true);
            typeInto(p.width, QStringLiteral("300"));
            QCOMPARE(p.dialog.size(), QSizeF(300, 400));
            QCOMPARE(p.heightUnits->value(), 5.555556);
            typeInto(p.height, QStringLiteral("1000"));
            QCOMPARE(p.dialog.size(), QSizeF(750, 1000));
            typeInto(p.widthUnits, QStringLiteral("5")); // physical edits ignore the ratio
            QCOMPARE(p.dialog.size(), QSizeF(360, 1000));
        }
        Page p;
        QVERIFY(p.keepAspect->isChecked());
        toggle(p.keepAspect);
        QCOMPARE(storedDesignerValue(QStringLiteral("keepAspectRatio")).toBool(), false);
    }

    void setSizeTruncatesAndClamps_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QString>("orientation");
        QTest::newRow("reals truncate") << 595.9 << 842.99 << QSizeF(595, 842) << "Portrait";
        QTest::newRow("square is portrait") << 500.0 << 500.0 << QSizeF(500, 500) << "Portrait";
        QTest::newRow("wide is landscape") << 501.0 << 500.0 << QSizeF(501, 500) << "Landscape";
        QTest::newRow("zero and negative") << 0.0 << -20.0 << QSizeF(1, 1) << "Portrait";
        QTest::newRow("beyond the field") << 1e12 << 5.0 << QSizeF(100000000, 5) << "Landscape";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 9.0 << QSizeF(1, 9) << "Portrait";
    }

    void setSizeTruncatesAndClamps()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(QSizeF, size);
        QFETCH(QString, orientation);
        Page p;
        p.dialog.setSize(width, height);
        QCOMPARE(p.dialog.size(), size);
        QCOMPARE(p.orientation->currentText(), orientation);
        QCOMPARE(p.widthUnits->value(), std::round(size.width() / 72.0 * 1e6) / 1e6);
    }

    void setPageSizeType_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("selected");
        QTest::newRow("landscape A4 stays landscape") << "A4" << "A4";
        QTest::newRow("other case") << "a4" << "Custom";
        QTest::newRow("trailing blank") << "A4 " << "Custom";
        QTest::newRow("unknown") << "B5" << "Custom";
        QTest::newRow("empty") << "" << "Custom";
    }

    void setPageSizeType()
    {
        QFETCH(QString, name);
        QFETCH(QString, selected);
        Page p;
        p.dialog.setSize(842, 595);
        p.dialog.setPageSizeType(name);
        QCOMPARE(p.dialog.pageSizeType(), selected);
        QCOMPARE(p.dialog.size(), QSizeF(842, 595));
        QCOMPARE(p.orientation->currentText(), QStringLiteral("Landscape"));
        QCOMPARE(p.width->isEnabled(), selected == QLatin1String("Custom"));
    }

    // A custom page is given in pixels, a paper in inches; picking a resolution keeps the inches.
    void resolutionChange_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<bool>("picked");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSizeF>("before");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QSizeF>("after");
        QTest::addColumn<double>("widthInches");
        QTest::newRow("picked on Custom") << "Custom" << true << 300 << QSizeF(720, 360) << 300 << QSizeF(360, 180) << 1.2;
        QTest::newRow("set on Custom") << "Custom" << false << 300 << QSizeF(2480, 3508) << 300 << QSizeF(2480, 3508)
                                       << 8.266667;
        QTest::newRow("highest offered") << "Custom" << false << 4000 << QSizeF(720, 360) << 4000 << QSizeF(720, 360) << 0.18;
        QTest::newRow("not offered is 72") << "Custom" << false << 96 << QSizeF(720, 360) << 72 << QSizeF(720, 360) << 10.0;
        QTest::newRow("set on A4") << "A4" << false << 300 << QSizeF(595, 842) << 300 << QSizeF(2481, 3507) << 8.27;
    }

    void resolutionChange()
    {
        QFETCH(QString, paper);
        QFETCH(bool, picked);
        QFETCH(int, dpi);
        QFETCH(QSizeF, before);
        QFETCH(int, shown);
        QFETCH(QSizeF, after);
        QFETCH(double, widthInches);
        Page p;
        p.dialog.setSize(before.width(), before.height());
        p.dialog.setPageSizeType(paper);
        p.dialog.setResolution(600);
        if (picked)
            QVERIFY(pick(p.resolution, QString::number(dpi)));
        else
            p.dialog.setResolution(dpi);
        QCOMPARE(p.dialog.resolution(), shown);
        QCOMPARE(p.dialog.size(), after);
        QCOMPARE(p.widthUnits->value(), widthInches);
    }
};

KORVEX_TEST_MAIN(TestPageSize)
#include "tst_pagesize.moc"
