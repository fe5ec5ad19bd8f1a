#include "KorvexTestMain.h"
#include "tools/CKorvexValueCheck.h"

class TestValueCheck : public QObject
{
    Q_OBJECT

private slots:
    void judgesTextsByTheKeysKind_data();
    void judgesTextsByTheKeysKind();
};

void TestValueCheck::judgesTextsByTheKeysKind_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::newRow("real") << "width" << "12.5" << true;
    QTest::newRow("real exponent") << "height" << "1.23457e+06" << true;
    QTest::newRow("real comma") << "width" << "12,5" << false;
    QTest::newRow("real empty") << "pen width" << "" << false;
    QTest::newRow("real nan") << "width" << "nan" << false;
    QTest::newRow("integer") << "zvalue" << "-3" << true;
    QTest::newRow("integer real") << "dpi" << "72.0" << false;
    QTest::newRow("point") << "start location" << "0 -2.5" << true;
    QTest::newRow("point two blanks") << "end location" << "0  2" << false;
    QTest::newRow("point one part") << "start location" << "7" << false;
    QTest::newRow("colour three") << "pen color" << "0 0 0" << true;
    QTest::newRow("colour four") << "fill color" << "255 255 255 0" << true;
    QTest::newRow("colour five") << "fill color" << "1 2 3 4 5" << false;
    QTest::newRow("colour negative") << "fill color" << "-1 2 3" << false;
    QTest::newRow("gradient") << "fill color gradient" << "0 0 1 0 0 0 0 0 1 255 255 255" << true;
    QTest::newRow("gradient bare") << "fill color gradient" << "0 0 1 0" << true;
    QTest::newRow("gradient cut stop") << "fill color gradient" << "0 0 1 0 0.5 1 2" << false;
    QTest::newRow("gradient colour range") << "fill color gradient" << "0 0 1 0 0.5 1 2 300" << false;
    QTest::newRow("boolean TRUE") << "is image mode" << "TRUE" << true;
    QTest::newRow("boolean 0") << "is gradient mode" << "0" << true;
    QTest::newRow("boolean yes") << "is image mode" << "yes" << false;
    QTest::newRow("image source") << "image source type" << "scene state" << true;
    QTest::newRow("image source case") << "image source type" << "File" << false;
    QTest::newRow("scene state type") << "scene state type" << "index" << true;
    QTest::newRow("text source") << "text source type" << "text editor" << true;
    QTest::newRow("text source other") << "text source type" << "keyboard" << false;
    QTest::newRow("3d mode") << "3d mode" << "Single Color" << true;
    QTest::newRow("3d mode lower") << "3d mode" << "single color" << false;
    QTest::newRow("free text") << "custom id" << "any: thing" << true;
    QTest::newRow("multi-line") << "text" << "a<korvex_newline>b" << true;
    QTest::newRow("font list") << "font list text" << "@@" << true;
    QTest::newRow("unknown key") << "colour" << "junk" << true;
}

void TestValueCheck::judgesTextsByTheKeysKind()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QCOMPARE(CKorvexValueCheck::problemOf(key, text).isEmpty(), reads);
}

KORVEX_TEST_MAIN(TestValueCheck)
#include "tst_valuecheck.moc"
