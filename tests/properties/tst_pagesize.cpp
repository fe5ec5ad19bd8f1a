#include "KorvexDialogDriver.h"
#include "KorvexTestMain.h"
#include "properties/CKorvexPageSize.h"
#include "properties/CKorvexPageUnits.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>

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
    QList<QWidget*> sizeFields{width, height, widthUnits, heightUnits, widthUnit, heightUnit, keepAspect, resolutionUnit};
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

    // The unit arithmetic the dialog uses.
    void toPixels_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("pixels");
        const int in = CKorvexPageUnits::Inches, cm = CKorvexPageUnits::Centimetres, mm = CKorvexPageUnits::Millimetres;
        // Large enough that 1 / 2.54 instead of 0.393701 would show.
        QTest::newRow("cm factor is 0.393701") << 50000.0 << cm << 4000 << 78740200;
        QTest::newRow("mm factor is 0.0393701") << 500000.0 << mm << 4000 << 78740200;
        QTest::newRow("half goes up") << 2.5 << in << 1 << 3;
        QTest::newRow("just below half goes down") << 2.49 << in << 1 << 2;
        QTest::newRow("negative gives zero") << -3.0 << in << 72 << 0;
        QTest::newRow("nan gives zero") << qQNaN() << in << 72 << 0;
        QTest::newRow("capped at the field maximum") << 1e9 << in << 4000 << 100000000;
        QTest::newRow("infinity is capped") << qInf() << in << 72 << 100000000;
    }

    void toPixels()
    {
        QFETCH(double, value);
        QFETCH(int, unit);
        QFETCH(int, dpi);
        QFETCH(int, pixels);
        QCOMPARE(CKorvexPageUnits::toPixels(value, unit, dpi), pixels);
    }

    void keepAspect_data()
    {
        QTest::addColumn<int>("referenceOther");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("referenceSide");
        QTest::addColumn<int>("other");
        QTest::newRow("quotient truncates") << 800 << 5 << 600 << 6;
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
        QVERIFY(pick(p.pageSize, QStringLiteral("A3")));
        QVERIFY(pick(p.pageSize, paper));
        QVERIFY(pick(p.resolution, dpi)); // the paper's inches stay, the pixels follow
        QCOMPARE(p.dialog.size(), size);
        QCOMPARE(p.orientation->currentText(), orientation);
        QCOMPARE(p.widthUnit->currentText(), QStringLiteral("inches"));
        QVERIFY(!p.keepAspect->isChecked());
        const bool custom = paper == QLatin1String("Custom");
        for (QWidget* field : p.sizeFields)
            QVERIFY2(field->isEnabled() == custom, qPrintable(field->objectName()));
        QVERIFY(p.orientation->isEnabled() && p.resolution->isEnabled());
        // Unchecking by choosing a paper is not a user choice: the stored value stays.
        QCOMPARE(storedDesignerValue(QStringLiteral("keepAspectRatio")).toBool(), true);
    }

    // The three unit boxes follow each other; typing a length sets the pixels at the resolution.
    void unitsAreChainedAndConverted()
    {
        Page p;
        p.dialog.setSize(2480, 3508);
        p.dialog.setResolution(300);
        QVERIFY(pick(p.resolutionUnit, QStringLiteral("pixels per cm")));
        QCOMPARE(p.widthUnit->currentText() + ' ' + p.heightUnit->currentText(), QStringLiteral("cm cm"));
        QCOMPARE(p.widthUnits->value(), 20.997333);
        QCOMPARE(p.heightUnits->value(), 29.701067);
        typeInto(p.widthUnits, QStringLiteral("22"));
        QCOMPARE(p.dialog.size(), QSizeF(2598, 3508));
        QCOMPARE(storedDesignerValue(QStringLiteral("unitType")).toString(), QStringLiteral("cm"));
        QVERIFY(pick(p.heightUnit, QStringLiteral("inches")));
        QCOMPARE(p.widthUnit->currentIndex() + p.resolutionUnit->currentIndex(), 0);
        QCOMPARE(p.widthUnits->value(), 8.66);
        QCOMPARE(p.dialog.size(), QSizeF(2598, 3508));
        QCOMPARE(p.dialog.resolution(), 300);
    }

    void storedUnitIsRestoredAndStoredAgain_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("button");
        QTest::newRow("cm") << "cm" << 1 << "okButton";
        QTest::newRow("pixels per mm") << "pixels per mm" << 2 << "cancelButton";
        QTest::newRow("other case is unknown") << "CM" << 0 << "okButton";
        QTest::newRow("empty") << "" << 0 << "okButton";
    }

    void storedUnitIsRestoredAndStoredAgain()
    {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(QString, button);
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
        KorvexTestEnvironment::clearSettings(); // now only the button stores the unit
        click(child<QPushButton>(&p.dialog, qPrintable(button)));
        QCOMPARE(p.dialog.result(), int(button == QLatin1String("okButton") ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(storedDesignerValue(QStringLiteral("unitType")).toString(), p.widthUnit->itemText(unit));
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

    // Filled as the scene fills it: size, then paper, then resolution.
    void filledFromAPage_data()
    {
        QTest::addColumn<QSizeF>("given");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("shown");
        QTest::addColumn<double>("widthInches");
        const QString custom = QStringLiteral("Custom"), a4 = QStringLiteral("A4");
        const QSizeF wide(842, 595), half(720, 360), print(2480, 3508);
        QTest::newRow("truncates") << QSizeF(595.9, 842.99) << custom << 72 << QSizeF(595, 842) << custom << 72 << 8.263889;
        QTest::newRow("square") << QSizeF(500, 500) << custom << 72 << QSizeF(500, 500) << custom << 72 << 6.944444;
        QTest::newRow("wide") << QSizeF(501, 500) << custom << 72 << QSizeF(501, 500) << custom << 72 << 6.958333;
        QTest::newRow("zero, negative") << QSizeF(0, -20) << custom << 72 << QSizeF(1, 1) << custom << 72 << 0.013889;
        QTest::newRow("too large") << QSizeF(1e12, 5) << custom << 72 << QSizeF(1e8, 5) << custom << 72 << 1388888.888889;
        QTest::newRow("not a number") << QSizeF(qQNaN(), 9) << custom << 72 << QSizeF(1, 9) << custom << 72 << 0.013889;
        QTest::newRow("landscape A4 stays") << wide << a4 << 72 << wide << a4 << 72 << 11.69;
        QTest::newRow("other case") << wide << "a4" << 72 << wide << custom << 72 << 11.694444;
        QTest::newRow("blank") << wide << "A4 " << 72 << wide << custom << 72 << 11.694444;
        QTest::newRow("custom keeps pixels") << print << custom << 300 << print << custom << 300 << 8.266667;
        QTest::newRow("paper keeps inches") << QSizeF(595, 842) << a4 << 300 << QSizeF(2481, 3507) << a4 << 300 << 8.27;
        QTest::newRow("highest dpi") << half << custom << 4000 << half << custom << 4000 << 0.18;
        QTest::newRow("96 is not offered") << half << custom << 96 << half << custom << 72 << 10.0;
    }

    void filledFromAPage()
    {
        QFETCH(QSizeF, given);
        QFETCH(QString, paper);
        QFETCH(int, dpi);
        QFETCH(QSizeF, size);
        QFETCH(QString, selected);
        QFETCH(int, shown);
        QFETCH(double, widthInches);
        Page p;
        p.dialog.setResolution(600); // so that falling back to 72 shows
        p.dialog.setSize(given.width(), given.height());
        p.dialog.setPageSizeType(paper);
        p.dialog.setResolution(dpi);
        QCOMPARE(p.dialog.size(), size);
        QCOMPARE(p.orientation->currentText(),
                 size.width() <= size.height() ? QStringLiteral("Portrait") : QStringLiteral("Landscape"));
        QCOMPARE(p.dialog.pageSizeType(), selected);
        QCOMPARE(p.width->isEnabled(), selected == QLatin1String("Custom"));
        QCOMPARE(p.dialog.resolution(), shown);
        QCOMPARE(p.widthUnits->value(), widthInches);
    }
};

KORVEX_TEST_MAIN(TestPageSize)
#include "tst_pagesize.moc"
