#include "KorvexTestMain.h"
#include "core/CKorvexErrorCode.h"
#include "core/CKorvexFont.h"

using namespace Korvex;

class TestFont : public QObject
{
    Q_OBJECT

private slots:
    void styleFileFallsBackToNormal_data();
    void styleFileFallsBackToNormal();
    void errorCodeStartsSuccessful();
};

void TestFont::styleFileFallsBackToNormal_data()
{
    QTest::addColumn<bool>("hasBold");
    QTest::addColumn<bool>("hasItalic");
    QTest::addColumn<bool>("hasBoldItalic");
    QTest::addColumn<QStringList>("expected"); // normal, bold, italic, bold italic
    QTest::newRow("all styles") << true << true << true
                                << QStringList{"arial.ttf", "arialbd.ttf", "ariali.ttf", "arialbi.ttf"};
    QTest::newRow("regular only") << false << false << false
                                  << QStringList{"arial.ttf", "arial.ttf", "arial.ttf", "arial.ttf"};
    QTest::newRow("bold only") << true << false << false
                               << QStringList{"arial.ttf", "arialbd.ttf", "arial.ttf", "arial.ttf"};
    QTest::newRow("bold italic without italic") << false << false << true
                                                << QStringList{"arial.ttf", "arial.ttf", "arial.ttf", "arialbi.ttf"};
}

void TestFont::styleFileFallsBackToNormal()
{
    QFETCH(bool, hasBold);
    QFETCH(bool, hasItalic);
    QFETCH(bool, hasBoldItalic);
    QFETCH(QStringList, expected);
    CKorvexFont font("Arial", "arial.ttf");
    if (hasBold)
        font.SetBoldFile("arialbd.ttf");
    if (hasItalic)
        font.SetItalicFile("ariali.ttf");
    if (hasBoldItalic)
        font.SetBoldItalicFile("arialbi.ttf");
    QCOMPARE(font.IsBold(), hasBold);
    QCOMPARE(font.IsItalic(), hasItalic);
    QCOMPARE(font.IsBoldItalic(), hasBoldItalic);
    const QStringList files{toQString(font.GetFile(false, false)), toQString(font.GetFile(true, false)),
                            toQString(font.GetFile(false, true)), toQString(font.GetFile(true, true))};
    QCOMPARE(files, expected);
    CKorvexFont copy = font;
    QVERIFY(copy == font);
    copy.SetFontName("Arial Black");
    QVERIFY(copy != font);
}

void TestFont::errorCodeStartsSuccessful()
{
    CKorvexErrorCode code;
    QVERIFY(code.IsOk());
    QCOMPARE(code.GetErrorCode(), 0);
    QVERIFY(code.GetMessage().IsEmpty());
    code.SetErrorCode(1);
    code.SetMessage("GraphicsItem is null");
    QVERIFY(!code.IsOk());
    QCOMPARE(toQString(code.GetMessage()), QStringLiteral("GraphicsItem is null"));
    const CKorvexErrorCode built(2, "x");
    QCOMPARE(built.GetErrorCode(), 2);
}

KORVEX_TEST_MAIN(TestFont)
#include "tst_font.moc"
