#include "KorvexTestMain.h"
#include "core/CKorvexFont.h"

using namespace Korvex;

class TestFont : public QObject
{
    Q_OBJECT

private slots:
    void styleFileFallsBackToNormal_data();
    void styleFileFallsBackToNormal();
};

void TestFont::styleFileFallsBackToNormal_data()
{
    QTest::addColumn<QStringList>("styleFiles"); // bold, italic, bold italic; "" when the family lacks it
    QTest::newRow("all styles") << QStringList{"arialbd.ttf", "ariali.ttf", "arialbi.ttf"};
    QTest::newRow("regular only") << QStringList{"", "", ""};
    QTest::newRow("bold only") << QStringList{"arialbd.ttf", "", ""};
    QTest::newRow("bold italic without italic") << QStringList{"", "", "arialbi.ttf"};
}

void TestFont::styleFileFallsBackToNormal()
{
    QFETCH(QStringList, styleFiles);
    CKorvexFont font("Arial", "arial.ttf");
    font.SetBoldFile(fromQString(styleFiles.at(0)));
    font.SetItalicFile(fromQString(styleFiles.at(1)));
    font.SetBoldItalicFile(fromQString(styleFiles.at(2)));
    const QStringList files{toQString(font.GetFile(true, false)), toQString(font.GetFile(false, true)),
                            toQString(font.GetFile(true, true))};
    QCOMPARE(files, styleFiles.replaceInStrings(QRegularExpression("^$"), "arial.ttf"));
    QCOMPARE(toQString(font.GetFile(false, false)), QStringLiteral("arial.ttf"));
    CKorvexFont copy = font;
    QVERIFY(copy == font);
    copy.SetFontName("Arial Black");
    QVERIFY(copy != font);
}

KORVEX_TEST_MAIN(TestFont)
#include "tst_font.moc"
