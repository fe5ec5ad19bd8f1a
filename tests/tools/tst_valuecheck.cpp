#include "KorvexTestMain.h"
#include "tools/CKorvexValueCheck.h"

class TestValueCheck : public QObject
{
    Q_OBJECT

private slots:
    void judgesTextsByTheKeysKind_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        const QString number = QStringLiteral("is not a number");
        const QString point = QStringLiteral("is not two numbers");
        const QString colour = QStringLiteral("is not 3 or 4 colour components from 0 to 255");
        const QString gradient = QStringLiteral("is not a gradient of whole stops");
        const QString boolean = QStringLiteral("is not true or false");
        const QString word = QStringLiteral("is not one of its words");
        QTest::newRow("real") << "width" << "12.5" << "";
        QTest::newRow("real exponent") << "height" << "1.23457e+06" << "";
        QTest::newRow("real comma") << "width" << "12,5" << number;
        QTest::newRow("real empty") << "pen width" << "" << number;
        QTest::newRow("real nan") << "width" << "nan" << number;
        QTest::newRow("integer") << "zvalue" << "-3" << "";
        QTest::newRow("integer real") << "dpi" << "72.0" << "is not a whole number";
        QTest::newRow("point") << "start location" << "0 -2.5" << "";
        QTest::newRow("point two blanks") << "end location" << "0  2" << point;
        QTest::newRow("point three parts") << "start location" << "1 2 3" << point;
        QTest::newRow("colour three") << "pen color" << "0 0 0" << "";
        QTest::newRow("colour four") << "fill color" << "255 255 255 0" << "";
        QTest::newRow("colour two") << "pen color" << "1 2" << colour;
        QTest::newRow("colour five") << "fill color" << "1 2 3 4 5" << colour;
        QTest::newRow("colour negative") << "fill color" << "-1 2 3" << colour;
        QTest::newRow("colour 256") << "fill color" << "256 0 0" << colour;
        QTest::newRow("gradient") << "fill color gradient" << "0 0 1 0 0 0 0 0 1 255 255 255" << "";
        QTest::newRow("gradient bare") << "fill color gradient" << "0 0 1 0" << "";
        QTest::newRow("gradient cut stop") << "fill color gradient" << "0 0 1 0 0.5 1 2" << gradient;
        QTest::newRow("gradient colour range") << "fill color gradient" << "0 0 1 0 0.5 1 2 300" << gradient;
        QTest::newRow("boolean TRUE") << "is image mode" << "TRUE" << "";
        QTest::newRow("boolean 0") << "is gradient mode" << "0" << "";
        QTest::newRow("boolean yes") << "is image mode" << "yes" << boolean;
        QTest::newRow("image source") << "image source type" << "scene state" << "";
        QTest::newRow("image source case") << "image source type" << "File" << word;
        QTest::newRow("scene state type") << "scene state type" << "index" << "";
        QTest::newRow("text source") << "text source type" << "text editor" << "";
        QTest::newRow("text source other") << "text source type" << "keyboard" << word;
        QTest::newRow("3d mode") << "3d mode" << "Single Color" << "";
        QTest::newRow("3d mode lower") << "3d mode" << "single color" << word;
        QTest::newRow("free text") << "custom id" << "any: thing" << "";
        QTest::newRow("multi-line") << "text" << "a<korvex_newline>b" << "";
        QTest::newRow("font list") << "font list text" << "@@" << "";
        QTest::newRow("unknown key") << "colour" << "junk" << "";
    }

    void judgesTextsByTheKeysKind()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        QCOMPARE(CKorvexValueCheck::problemOf(key, text), problem);
    }
};

KORVEX_TEST_MAIN(TestValueCheck)
#include "tst_valuecheck.moc"
