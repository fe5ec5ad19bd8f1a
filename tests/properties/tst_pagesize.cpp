#include "KorvexDialogDriver.h"
#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "properties/CKorvexPageSize.h"
#include "services/CKorvexProductInfo.h"
#include "services/CKorvexPrompt.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <limits>
#include <memory>

using namespace KorvexDialogDriver;

namespace {

// The widgets of one dialog, found by their object names.
struct PageSizeWidgets
{
    explicit PageSizeWidgets(CKorvexPageSize& dialog)
        : pageSize(child<QComboBox>(&dialog, "pageSizeComboBox")),
          orientation(child<QComboBox>(&dialog, "sizeOrientationComboBox")),
          width(child<QSpinBox>(&dialog, "widthSpinBox")),
          height(child<QSpinBox>(&dialog, "heightSpinBox")),
          widthUnits(child<QDoubleSpinBox>(&dialog, "widthInPdfUnitsSpinBox")),
          heightUnits(child<QDoubleSpinBox>(&dialog, "heightInPdfUnitsSpinBox")),
          widthUnit(child<QComboBox>(&dialog, "widthInPdfUnitsComboBox")),
          heightUnit(child<QComboBox>(&dialog, "heightInPdfUnitsComboBox")),
          resolution(child<QComboBox>(&dialog, "resolutionStandardUnitsComboBox")),
          resolutionUnit(child<QComboBox>(&dialog, "resolutionInPdfUnitsComboBox")),
          keepAspect(child<QCheckBox>(&dialog, "keepAspectRatioCheckBox")),
          ok(child<QPushButton>(&dialog, "okButton")),
          cancel(child<QPushButton>(&dialog, "cancelButton"))
    {
    }

    QComboBox* pageSize;
    QComboBox* orientation;
    QSpinBox* width;
    QSpinBox* height;
    QDoubleSpinBox* widthUnits;
    QDoubleSpinBox* heightUnits;
    QComboBox* widthUnit;
    QComboBox* heightUnit;
    QComboBox* resolution;
    QComboBox* resolutionUnit;
    QCheckBox* keepAspect;
    QPushButton* ok;
    QPushButton* cancel;
};

QVariant storedDesignerValue(const QString& key)
{
    auto settings = CKorvexProductInfo::openSettings();
    return settings->value(QStringLiteral("Designer/") + key);
}

void storeDesignerValue(const QString& key, const QVariant& value)
{
    CKorvexProductInfo::openSettings()->setValue(QStringLiteral("Designer/") + key, value);
}

} // namespace

class TestPageSize : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstUseShowsCustomInInches();
    void a4At72IsPortraitAndLocked();
    void ledgerIsLandscape();
    void customResetsAndEnablesEverything();
    void centimetresAt300RoundTrip();
    void unitBoxesAreChained();
    void storedUnitIsRestored_data();
    void storedUnitIsRestored();
    void okAndCancelStoreTheUnit();
    void orientationSwapsSides();
    void squarePageOrientationFollowsLastEdit();
    void keepAspectRatioScalesOtherSide();
    void keepAspectRatioIsRemembered();
    void physicalEditIgnoresKeepAspectRatio();
    void resolutionChangeKeepsPhysicalSize();
    void setSizeTruncatesAndClamps_data();
    void setSizeTruncatesAndClamps();
    void setPageSizeTypeKeepsLandscape();
    void unknownPageSizeTypeKeepsSelection_data();
    void unknownPageSizeTypeKeepsSelection();
    void setResolution_data();
    void setResolution();
    void customPageKeepsPixelsAtItsResolution();
    void paperPageFollowsItsResolution();
    void runsModallyThroughPrompt();
};

void TestPageSize::init()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    KorvexTestEnvironment::clearSettings();
}

void TestPageSize::firstUseShowsCustomInInches()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Page Size"));
    QCOMPARE(dialog.pageSizeType(), QStringLiteral("Custom"));
    QCOMPARE(w.pageSize->count(), 19);
    QCOMPARE(w.pageSize->itemText(18), QStringLiteral("Executive"));
    QCOMPARE(w.widthUnits->value(), 11.69);
    QCOMPARE(w.heightUnits->value(), 8.27);
    QCOMPARE(dialog.size(), QSizeF(842, 595));
    QCOMPARE(dialog.resolution(), 72);
    QCOMPARE(w.widthUnit->currentText(), QStringLiteral("inches"));
    QCOMPARE(w.resolutionUnit->currentText(), QStringLiteral("pixels per inch"));
    QVERIFY(!w.keepAspect->isChecked());
    QVERIFY(w.width->isEnabled() && w.widthUnits->isEnabled() && w.resolutionUnit->isEnabled());
}

void TestPageSize::a4At72IsPortraitAndLocked()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(800, 600);
    QVERIFY(pick(w.pageSize, QStringLiteral("A4")));
    QCOMPARE(dialog.size(), QSizeF(595, 842));
    QCOMPARE(w.orientation->currentText(), QStringLiteral("Portrait"));
    QCOMPARE(dialog.pageSizeType(), QStringLiteral("A4"));
    for (QWidget* field : {static_cast<QWidget*>(w.width), static_cast<QWidget*>(w.height),
                           static_cast<QWidget*>(w.widthUnits), static_cast<QWidget*>(w.heightUnits),
                           static_cast<QWidget*>(w.widthUnit), static_cast<QWidget*>(w.heightUnit),
                           static_cast<QWidget*>(w.keepAspect), static_cast<QWidget*>(w.resolutionUnit)})
        QVERIFY2(!field->isEnabled(), qPrintable(field->objectName()));
    QVERIFY(w.orientation->isEnabled());
    QVERIFY(w.resolution->isEnabled());
}

void TestPageSize::ledgerIsLandscape()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    QVERIFY(pick(w.pageSize, QStringLiteral("Ledger")));
    QCOMPARE(w.orientation->currentText(), QStringLiteral("Landscape"));
    QCOMPARE(dialog.size(), QSizeF(1224, 792));
}

void TestPageSize::customResetsAndEnablesEverything()
{
    storeDesignerValue(QStringLiteral("keepAspectRatio"), true);
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    QVERIFY(w.keepAspect->isChecked());
    QVERIFY(pick(w.pageSize, QStringLiteral("A3")));
    QVERIFY(!w.keepAspect->isChecked());
    QVERIFY(pick(w.pageSize, QStringLiteral("Custom")));
    QCOMPARE(w.widthUnits->value(), 8.27);
    QCOMPARE(w.heightUnits->value(), 11.69);
    QCOMPARE(w.widthUnit->currentText(), QStringLiteral("inches"));
    QCOMPARE(dialog.size(), QSizeF(595, 842));
    for (QWidget* field : {static_cast<QWidget*>(w.width), static_cast<QWidget*>(w.height),
                           static_cast<QWidget*>(w.widthUnits), static_cast<QWidget*>(w.heightUnits),
                           static_cast<QWidget*>(w.widthUnit), static_cast<QWidget*>(w.heightUnit),
                           static_cast<QWidget*>(w.keepAspect), static_cast<QWidget*>(w.resolutionUnit)})
        QVERIFY2(field->isEnabled(), qPrintable(field->objectName()));
    // Unchecking by choosing a paper is not a user choice: the stored value stays.
    QCOMPARE(storedDesignerValue(QStringLiteral("keepAspectRatio")).toBool(), true);
}

void TestPageSize::centimetresAt300RoundTrip()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(2480, 3508);
    dialog.setResolution(300);
    QVERIFY(pick(w.widthUnit, QStringLiteral("cm")));
    QCOMPARE(w.widthUnits->value(), 20.997333);
    QCOMPARE(w.heightUnits->value(), 29.701067);
    typeInto(w.widthUnits, QStringLiteral("21"));
    QCOMPARE(w.widthUnits->value(), 21.0);
    QCOMPARE(dialog.size(), QSizeF(2480, 3508));
    typeInto(w.widthUnits, QStringLiteral("22"));
    QCOMPARE(dialog.size(), QSizeF(2598, 3508)); // 300 x 22 x 0.393701 = 2598.4266
    QCOMPARE(storedDesignerValue(QStringLiteral("unitType")).toString(), QStringLiteral("cm"));
}

void TestPageSize::unitBoxesAreChained()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(720, 1440);
    QVERIFY(pick(w.resolutionUnit, QStringLiteral("pixels per mm")));
    QCOMPARE(w.widthUnit->currentIndex(), 2);
    QCOMPARE(w.heightUnit->currentIndex(), 2);
    QCOMPARE(w.widthUnits->value(), 254.0);
    QCOMPARE(w.heightUnits->value(), 508.0);
    QVERIFY(pick(w.heightUnit, QStringLiteral("inches")));
    QCOMPARE(w.widthUnit->currentIndex(), 0);
    QCOMPARE(w.resolutionUnit->currentIndex(), 0);
    QCOMPARE(w.widthUnits->value(), 10.0);
    QCOMPARE(dialog.size(), QSizeF(720, 1440));
    QCOMPARE(dialog.resolution(), 72);
}

void TestPageSize::storedUnitIsRestored_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("unit");

    QTest::newRow("inches") << "inches" << 0;
    QTest::newRow("pixels per inch") << "pixels per inch" << 0;
    QTest::newRow("cm") << "cm" << 1;
    QTest::newRow("pixels per cm") << "pixels per cm" << 1;
    QTest::newRow("mm") << "mm" << 2;
    QTest::newRow("pixels per mm") << "pixels per mm" << 2;
    QTest::newRow("other case is unknown") << "CM" << 0;
    QTest::newRow("unknown") << "furlongs" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestPageSize::storedUnitIsRestored()
{
    QFETCH(QString, stored);
    QFETCH(int, unit);
    storeDesignerValue(QStringLiteral("unitType"), stored);
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(720, 720);
    QCOMPARE(w.widthUnit->currentIndex(), unit);
    QCOMPARE(w.heightUnit->currentIndex(), unit);
    QCOMPARE(w.resolutionUnit->currentIndex(), unit);
    const double expected[] = {10.0, 25.4, 254.0};
    QCOMPARE(w.widthUnits->value(), expected[unit]);
    QCOMPARE(w.heightUnits->value(), expected[unit]);
    QCOMPARE(dialog.size(), QSizeF(720, 720));
}

void TestPageSize::okAndCancelStoreTheUnit()
{
    for (QString button : {QStringLiteral("ok"), QStringLiteral("cancel")}) {
        KorvexTestEnvironment::clearSettings();
        CKorvexPageSize dialog;
        PageSizeWidgets w(dialog);
        {
            const QSignalBlocker blocker(w.widthUnit); // change the unit without its handler
            w.widthUnit->setCurrentIndex(2);
        }
        QVERIFY(!storedDesignerValue(QStringLiteral("unitType")).isValid());
        click(button == QLatin1String("ok") ? w.ok : w.cancel);
        QCOMPARE(dialog.result(), button == QLatin1String("ok") ? int(QDialog::Accepted)
                                                                : int(QDialog::Rejected));
        QCOMPARE(storedDesignerValue(QStringLiteral("unitType")).toString(), QStringLiteral("mm"));
    }
}

void TestPageSize::orientationSwapsSides()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(600, 800);
    QCOMPARE(w.orientation->currentText(), QStringLiteral("Portrait"));
    QVERIFY(pick(w.orientation, QStringLiteral("Landscape")));
    QCOMPARE(dialog.size(), QSizeF(800, 600));
    QCOMPARE(w.widthUnits->value(), 11.111111);
    QCOMPARE(w.heightUnits->value(), 8.333333);
    QVERIFY(pick(w.orientation, QStringLiteral("Portrait")));
    QCOMPARE(dialog.size(), QSizeF(600, 800));
}

void TestPageSize::squarePageOrientationFollowsLastEdit()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(400, 500);
    typeInto(w.width, QStringLiteral("500"));
    QCOMPARE(w.orientation->currentText(), QStringLiteral("Landscape"));
    typeInto(w.height, QStringLiteral("500"));
    QCOMPARE(w.orientation->currentText(), QStringLiteral("Portrait"));
    typeInto(w.height, QStringLiteral("499"));
    QCOMPARE(w.orientation->currentText(), QStringLiteral("Landscape"));
    QCOMPARE(dialog.size(), QSizeF(500, 499));
}

void TestPageSize::keepAspectRatioScalesOtherSide()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(600, 800);
    toggle(w.keepAspect);
    QVERIFY(w.keepAspect->isChecked());
    typeInto(w.width, QStringLiteral("300"));
    QCOMPARE(dialog.size(), QSizeF(300, 400));
    QCOMPARE(w.heightUnits->value(), 5.555556);
    typeInto(w.height, QStringLiteral("1000"));
    QCOMPARE(dialog.size(), QSizeF(750, 1000));
    typeInto(w.width, QStringLiteral("7"));
    QCOMPARE(dialog.size(), QSizeF(7, 9)); // 800 x 7 / 600, truncated
}

void TestPageSize::keepAspectRatioIsRemembered()
{
    {
        CKorvexPageSize dialog;
        PageSizeWidgets w(dialog);
        toggle(w.keepAspect);
        QCOMPARE(storedDesignerValue(QStringLiteral("keepAspectRatio")).toBool(), true);
    }
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    QVERIFY(w.keepAspect->isChecked());
    toggle(w.keepAspect);
    QCOMPARE(storedDesignerValue(QStringLiteral("keepAspectRatio")).toBool(), false);
}

void TestPageSize::physicalEditIgnoresKeepAspectRatio()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(600, 800);
    toggle(w.keepAspect);
    typeInto(w.widthUnits, QStringLiteral("5"));
    QCOMPARE(dialog.size(), QSizeF(360, 800));
}

void TestPageSize::resolutionChangeKeepsPhysicalSize()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(720, 360);
    QVERIFY(pick(w.resolution, QStringLiteral("300")));
    QCOMPARE(dialog.resolution(), 300);
    QCOMPARE(w.widthUnits->value(), 10.0);
    QCOMPARE(w.heightUnits->value(), 5.0);
    QCOMPARE(dialog.size(), QSizeF(3000, 1500));
}

void TestPageSize::setSizeTruncatesAndClamps_data()
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
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 9.0 << QSizeF(1, 9)
                                  << "Portrait";
}

void TestPageSize::setSizeTruncatesAndClamps()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QSizeF, size);
    QFETCH(QString, orientation);
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(width, height);
    QCOMPARE(dialog.size(), size);
    QCOMPARE(w.orientation->currentText(), orientation);
    QCOMPARE(w.widthUnits->value(), std::round(size.width() / 72.0 * 1e6) / 1e6);
}

void TestPageSize::setPageSizeTypeKeepsLandscape()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(842, 595);
    dialog.setPageSizeType(QStringLiteral("A4"));
    dialog.setResolution(72);
    QCOMPARE(dialog.pageSizeType(), QStringLiteral("A4"));
    QCOMPARE(w.orientation->currentText(), QStringLiteral("Landscape"));
    QCOMPARE(dialog.size(), QSizeF(842, 595));
    QVERIFY(!w.width->isEnabled());
}

void TestPageSize::unknownPageSizeTypeKeepsSelection_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("other case") << "a4";
    QTest::newRow("trailing blank") << "A4 ";
    QTest::newRow("unknown") << "B5";
    QTest::newRow("empty") << "";
}

void TestPageSize::unknownPageSizeTypeKeepsSelection()
{
    QFETCH(QString, name);
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(1000, 300);
    dialog.setPageSizeType(name);
    QCOMPARE(dialog.pageSizeType(), QStringLiteral("Custom"));
    QCOMPARE(dialog.size(), QSizeF(1000, 300));
    QCOMPARE(w.orientation->currentText(), QStringLiteral("Landscape"));
}

void TestPageSize::setResolution_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("shown");

    for (int dpi : {72, 144, 300, 600, 1200, 2400, 3600, 4000})
        QTest::addRow("%d", dpi) << dpi << dpi;
    QTest::newRow("96") << 96 << 72;
    QTest::newRow("zero") << 0 << 72;
    QTest::newRow("negative") << -300 << 72;
}

void TestPageSize::setResolution()
{
    QFETCH(int, dpi);
    QFETCH(int, shown);
    CKorvexPageSize dialog;
    dialog.setResolution(600);
    dialog.setResolution(dpi);
    QCOMPARE(dialog.resolution(), shown);
}

void TestPageSize::customPageKeepsPixelsAtItsResolution()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(2480, 3508);
    dialog.setPageSizeType(QStringLiteral("Custom"));
    dialog.setResolution(300);
    QCOMPARE(dialog.size(), QSizeF(2480, 3508));
    QCOMPARE(w.widthUnits->value(), 8.266667);
    QCOMPARE(w.heightUnits->value(), 11.693333);
}

void TestPageSize::paperPageFollowsItsResolution()
{
    CKorvexPageSize dialog;
    PageSizeWidgets w(dialog);
    dialog.setSize(2481, 3507);
    dialog.setPageSizeType(QStringLiteral("A4"));
    dialog.setResolution(300);
    QCOMPARE(dialog.size(), QSizeF(2481, 3507));
    QCOMPARE(w.widthUnits->value(), 8.27);
    QCOMPARE(w.orientation->currentText(), QStringLiteral("Portrait"));
}

void TestPageSize::runsModallyThroughPrompt()
{
    KorvexScriptedPrompt prompt;
    prompt.answerDialog([](QDialog& dialog) {
        PageSizeWidgets w(static_cast<CKorvexPageSize&>(dialog));
        pick(w.pageSize, QStringLiteral("Letter"));
        pick(w.resolution, QStringLiteral("144"));
        click(w.ok);
        return dialog.result();
    });
    CKorvexPageSize dialog;
    dialog.setSize(500, 700);
    dialog.setPageSizeType(QStringLiteral("Custom"));
    dialog.setResolution(72);
    QCOMPARE(CKorvexPrompt::exec(dialog), int(QDialog::Accepted));
    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPageSize")});
    QCOMPARE(dialog.size(), QSizeF(1224, 1584));
    QCOMPARE(dialog.resolution(), 144);
    QCOMPARE(dialog.pageSizeType(), QStringLiteral("Letter"));
}

KORVEX_TEST_MAIN(TestPageSize)
#include "tst_pagesize.moc"
