#include "KorvexDialogDriver.h"
#include "KorvexTestMain.h"
#include "properties/CKorvexPreferences.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

using namespace KorvexDialogDriver;

namespace {

// A dialog and its widgets, found by their object names.
struct Preferences
{
    CKorvexPreferences dialog;
    QSpinBox* gridSize = child<QSpinBox>(&dialog, "gridSizeSpinBox");
    QCheckBox* snapping = child<QCheckBox>(&dialog, "SnapingCheckBox");
    QPushButton* ok = child<QPushButton>(&dialog, "okButton");
    QPushButton* cancel = child<QPushButton>(&dialog, "cancelButton");
};

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void init() { KorvexTestEnvironment::clearSettings(); }

    // What is stored is shown as the field allows, and OK stores what is shown.
    void storedValuesAreShownAndKept_data()
    {
        QTest::addColumn<QVariant>("storedSize");
        QTest::addColumn<QVariant>("storedSnapping");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("snaps");
        QTest::newRow("first use") << QVariant() << QVariant() << 2 << false;
        QTest::newRow("in range") << QVariant(37) << QVariant(true) << 37 << true;
        QTest::newRow("texts as written by the store") << QVariant("25") << QVariant("true") << 25 << true;
        QTest::newRow("one rises to two") << QVariant(1) << QVariant(true) << 2 << true;
        QTest::newRow("not a number") << QVariant("wide") << QVariant("false") << 2 << false;
        QTest::newRow("any other text snaps") << QVariant("") << QVariant("maybe") << 2 << true;
        QTest::newRow("above the limit") << QVariant(5000) << QVariant(true) << 1000 << true;
        QTest::newRow("beyond an integer, not wrapped") << QVariant("4294967333") << QVariant(true) << 1000 << true;
    }

    void storedValuesAreShownAndKept()
    {
        QFETCH(QVariant, storedSize);
        QFETCH(QVariant, storedSnapping);
        QFETCH(int, size);
        QFETCH(bool, snaps);
        if (storedSize.isValid()) {
            storeDesignerValue(QStringLiteral("GridSize"), storedSize);
            storeDesignerValue(QStringLiteral("SnappingCheckBox"), storedSnapping);
        }
        Preferences p;
        QCOMPARE(p.gridSize->value(), size);
        QCOMPARE(p.snapping->isChecked(), snaps);
        QCOMPARE(p.gridSize->isEnabled(), snaps);
        click(p.ok);
        QCOMPARE(p.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(storedDesignerValue(QStringLiteral("GridSize")).toInt(), size);
        QCOMPARE(storedDesignerValue(QStringLiteral("SnappingCheckBox")).toBool(), snaps);
    }

    void snappingSwitchesTheSizeFieldAndCancelStoresNothing()
    {
        storeDesignerValue(QStringLiteral("GridSize"), 20);
        storeDesignerValue(QStringLiteral("SnappingCheckBox"), true);
        {
            Preferences p;
            toggle(p.snapping);
            QVERIFY(!p.gridSize->isEnabled());
            click(p.ok); // the greyed size is still stored
        }
        QCOMPARE(storedDesignerValue(QStringLiteral("GridSize")).toInt(), 20);
        QCOMPARE(storedDesignerValue(QStringLiteral("SnappingCheckBox")).toBool(), false);
        {
            Preferences p;
            toggle(p.snapping);
            QVERIFY(p.gridSize->isEnabled());
            typeInto(p.gridSize, QStringLiteral("15"));
            click(p.ok);
        }
        Preferences p;
        toggle(p.snapping);
        typeInto(p.gridSize, QStringLiteral("50"));
        click(p.cancel);
        QCOMPARE(p.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(storedDesignerValue(QStringLiteral("GridSize")).toInt(), 15);
        QCOMPARE(storedDesignerValue(QStringLiteral("SnappingCheckBox")).toBool(), true);
    }
};

KORVEX_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
