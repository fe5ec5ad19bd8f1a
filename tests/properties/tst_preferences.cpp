#include "KorvexDialogDriver.h"
#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "properties/CKorvexPreferences.h"
#include "services/CKorvexProductInfo.h"
#include "services/CKorvexPrompt.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>

using namespace KorvexDialogDriver;

namespace {

QVariant storedDesignerValue(const QString& key)
{
    return CKorvexProductInfo::openSettings()->value(QStringLiteral("Designer/") + key);
}

void storeDesignerValue(const QString& key, const QVariant& value)
{
    CKorvexProductInfo::openSettings()->setValue(QStringLiteral("Designer/") + key, value);
}

QSpinBox* gridSize(QDialog& dialog)
{
    return child<QSpinBox>(&dialog, "gridSizeSpinBox");
}

QCheckBox* snapping(QDialog& dialog)
{
    return child<QCheckBox>(&dialog, "SnapingCheckBox");
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void formTexts();
    void firstUseShowsTwoAndNoSnapping();
    void storedValuesAreShown_data();
    void storedValuesAreShown();
    void sizeAboveLimitIsStoredAsLimit();
    void snappingOffGreysSizeButOkStoresIt();
    void snappingOnEnablesSize();
    void cancelStoresNothing();
    void runsModallyThroughPrompt();
};

void TestPreferences::init()
{
    KorvexTestEnvironment::clearSettings();
}

void TestPreferences::formTexts()
{
    CKorvexPreferences dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferences"));
    auto* tabs = child<QTabWidget>(&dialog, "tabWidget");
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Grid Preferences"));
    QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("tab"));
    QCOMPARE(snapping(dialog)->text(), QStringLiteral("Snap to grid while moving/dragging"));
    QCOMPARE(gridSize(dialog)->minimum(), 2);
    QCOMPARE(gridSize(dialog)->maximum(), 1000);
    QStringList labels;
    for (QLabel* label : tabs->widget(0)->findChildren<QLabel*>())
        labels.append(label->text());
    QCOMPARE(labels, (QStringList{QStringLiteral("Grid Unit Size"), QStringLiteral("Pixels")}));
    QCOMPARE(child<QPushButton>(&dialog, "okButton")->text(), QStringLiteral("OK"));
    QCOMPARE(child<QPushButton>(&dialog, "cancelButton")->text(), QStringLiteral("Cancel"));
}

void TestPreferences::firstUseShowsTwoAndNoSnapping()
{
    CKorvexPreferences dialog;
    QCOMPARE(gridSize(dialog)->value(), 2);
    QVERIFY(!snapping(dialog)->isChecked());
    QVERIFY(!gridSize(dialog)->isEnabled());
    click(child<QPushButton>(&dialog, "okButton"));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(storedDesignerValue(QStringLiteral("GridSize")).toInt(), 2);
    QCOMPARE(storedDesignerValue(QStringLiteral("SnappingCheckBox")).toBool(), false);
}

void TestPreferences::storedValuesAreShown_data()
{
    QTest::addColumn<QVariant>("storedSize");
    QTest::addColumn<QVariant>("storedSnapping");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("snaps");

    QTest::newRow("in range") << QVariant(37) << QVariant(true) << 37 << true;
    QTest::newRow("texts as written by the store") << QVariant("25") << QVariant("true") << 25 << true;
    QTest::newRow("minimum") << QVariant(2) << QVariant(false) << 2 << false;
    QTest::newRow("one rises to two") << QVariant(1) << QVariant(true) << 2 << true;
    QTest::newRow("negative") << QVariant(-40) << QVariant(true) << 2 << true;
    QTest::newRow("not a number") << QVariant("wide") << QVariant("false") << 2 << false;
    QTest::newRow("any other text snaps") << QVariant("") << QVariant("maybe") << 2 << true;
    QTest::newRow("above the limit") << QVariant(5000) << QVariant(true) << 1000 << true;
    QTest::newRow("beyond an integer") << QVariant("99999999999") << QVariant(true) << 1000 << true;
    QTest::newRow("below an integer") << QVariant("-99999999999") << QVariant(true) << 2 << true;
}

void TestPreferences::storedValuesAreShown()
{
    QFETCH(QVariant, storedSize);
    QFETCH(QVariant, storedSnapping);
    QFETCH(int, size);
    QFETCH(bool, snaps);
    storeDesignerValue(QStringLiteral("GridSize"), storedSize);
    storeDesignerValue(QStringLiteral("SnappingCheckBox"), storedSnapping);
    CKorvexPreferences dialog;
    QCOMPARE(gridSize(dialog)->value(), size);
    QCOMPARE(snapping(dialog)->isChecked(), snaps);
    QCOMPARE(gridSize(dialog)->isEnabled(), snaps);
}

void TestPreferences::sizeAboveLimitIsStoredAsLimit()
{
    storeDesignerValue(QStringLiteral("GridSize"), 1500);
    storeDesignerValue(QStringLiteral("SnappingCheckBox"), true);
    CKorvexPreferences dialog;
    QCOMPARE(gridSize(dialog)->value(), 1000);
    click(child<QPushButton>(&dialog, "okButton"));
    QCOMPARE(storedDesignerValue(QStringLiteral("GridSize")).toInt(), 1000);
    QCOMPARE(storedDesignerValue(QStringLiteral("SnappingCheckBox")).toBool(), true);
}

void TestPreferences::snappingOffGreysSizeButOkStoresIt()
{
    storeDesignerValue(QStringLiteral("GridSize"), 20);
    storeDesignerValue(QStringLiteral("SnappingCheckBox"), true);
    CKorvexPreferences dialog;
    QVERIFY(gridSize(dialog)->isEnabled());
    toggle(snapping(dialog));
    QVERIFY(!snapping(dialog)->isChecked());
    QVERIFY(!gridSize(dialog)->isEnabled());
    click(child<QPushButton>(&dialog, "okButton"));
    QCOMPARE(storedDesignerValue(QStringLiteral("GridSize")).toInt(), 20);
    QCOMPARE(storedDesignerValue(QStringLiteral("SnappingCheckBox")).toBool(), false);
}

void TestPreferences::snappingOnEnablesSize()
{
    CKorvexPreferences dialog;
    toggle(snapping(dialog));
    QVERIFY(gridSize(dialog)->isEnabled());
    typeInto(gridSize(dialog), QStringLiteral("15"));
    click(child<QPushButton>(&dialog, "okButton"));
    QCOMPARE(storedDesignerValue(QStringLiteral("GridSize")).toInt(), 15);
    QCOMPARE(storedDesignerValue(QStringLiteral("SnappingCheckBox")).toBool(), true);
}

void TestPreferences::cancelStoresNothing()
{
    CKorvexPreferences dialog;
    toggle(snapping(dialog));
    typeInto(gridSize(dialog), QStringLiteral("50"));
    click(child<QPushButton>(&dialog, "cancelButton"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!storedDesignerValue(QStringLiteral("GridSize")).isValid());
    QVERIFY(!storedDesignerValue(QStringLiteral("SnappingCheckBox")).isValid());
}

void TestPreferences::runsModallyThroughPrompt()
{
    KorvexScriptedPrompt prompt;
    prompt.answerDialog([](QDialog& dialog) {
        toggle(snapping(dialog));
        typeInto(gridSize(dialog), QStringLiteral("12"));
        click(child<QPushButton>(&dialog, "okButton"));
        return dialog.result();
    });
    CKorvexPreferences dialog;
    QCOMPARE(CKorvexPrompt::exec(dialog), int(QDialog::Accepted));
    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPreferences")});
    QCOMPARE(storedDesignerValue(QStringLiteral("GridSize")).toInt(), 12);
}

KORVEX_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
