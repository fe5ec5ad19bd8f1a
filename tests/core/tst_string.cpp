#include "KorvexTestMain.h"
#include "core/CKorvexString.h"

using Korvex::CKorvexString;
using Korvex::fromQString;
using Korvex::toQString;

class TestString : public QObject
{
    Q_OBJECT

private slots:
    void constructionFromEveryForm();
    void qtRoundTripKeepsEveryCodeUnit();
    void utf8KeepsLeadingMarks_data();
    void utf8KeepsLeadingMarks();
    void edits_data();
    void edits();
    void pathHelpers_data();
    void pathHelpers();
    void ordering_data();
    void ordering();
    void concatenation();
};

void TestString::constructionFromEveryForm()
{
    QCOMPARE(CKorvexString(static_cast<const char*>(nullptr)).Length(), 0);
    QCOMPARE(CKorvexString(static_cast<const wchar_t*>(nullptr)).Length(), 0);
    QCOMPARE(toQString(CKorvexString("a\xc3\xa9")), QStringLiteral("a\u00e9"));
    QCOMPARE(toQString(CKorvexString("bad\xff")), QStringLiteral("bad\ufffd"));
    QCOMPARE(toQString(CKorvexString(L"\u00e9t\u00e9")), QStringLiteral("\u00e9t\u00e9"));
    QCOMPARE(toQString(CKorvexString(u"x\U0001F600")), QStringLiteral("x\U0001F600"));
    QCOMPARE(CKorvexString(u"x\U0001F600").Length(), 3);
    QCOMPARE(toQString(CKorvexString(u"abcdef", 3)), QStringLiteral("abc"));
    QCOMPARE(CKorvexString(u"abc", -2).Length(), 0);
    QCOMPARE(toQString(CKorvexString(-1234)), QStringLiteral("-1234"));
    QCOMPARE(toQString(CKorvexString::FromNumber(9876543210LL)), QStringLiteral("9876543210"));
    const CKorvexString text(u"K\u00c9Y caf\u00e9");
    QCOMPARE(static_cast<std::string>(text), std::string("K\xc3\x89Y caf\xc3\xa9"));
    QCOMPARE(static_cast<std::wstring>(text), std::wstring(L"K\u00c9Y caf\u00e9"));
    QCOMPARE(toQString(text.ToLower()), QStringLiteral("k\u00e9y caf\u00e9"));
    QCOMPARE(toQString(text), QStringLiteral("K\u00c9Y caf\u00e9"));
}

void TestString::qtRoundTripKeepsEveryCodeUnit()
{
    // Leading U+FFFE and U+FEFF are no byte-order marks here, and a lone surrogate crosses unchanged.
    for (const QChar first : {QChar(0xFFFE), QChar(0xFEFF)}) {
        QString text = first + QStringLiteral("line\r\nnext\u00e9\U0001F600");
        text.append(QChar(0));
        text.append(QChar(0xD800));
        const CKorvexString converted = fromQString(text);
        QCOMPARE(converted.Length(), text.size());
        QCOMPARE(toQString(converted), text);
    }
}

void TestString::utf8KeepsLeadingMarks_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QString>("text");
    const QString mark(QChar(0xFEFF));
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("one mark") << QByteArray("\xEF\xBB\xBF" "k") << mark + "k";
    QTest::newRow("cut mark") << QByteArray("\xEF\xBB") << QString::fromUtf8("\xEF\xBB");
    QTest::newRow("invalid after mark") << QByteArray("\xEF\xBB\xBF\xFF") << mark + QChar(0xFFFD);
}

void TestString::utf8KeepsLeadingMarks()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QString, text);
    QCOMPARE(Korvex::textFromUtf8(utf8.constData(), utf8.size()), text);
    QCOMPARE(Korvex::toQString(Korvex::CKorvexString(utf8.toStdString())), text);
    QCOMPARE(Korvex::toQString(Korvex::CKorvexString(utf8.constData())), text);
}

void TestString::edits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("argument"); // Replace: "from|to"; Mid: the count
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("find first") << "abcabc" << "Find" << "bc" << 0 << "1";
    QTest::newRow("find after from") << "abcabc" << "Find" << "bc" << 2 << "4";
    QTest::newRow("find absent") << "abcabc" << "Find" << "cb" << 0 << "-1";
    QTest::newRow("find empty needle") << "abc" << "Find" << "" << 1 << "1";
    QTest::newRow("find from past end") << "abc" << "Find" << "a" << 7 << "-1";
    QTest::newRow("find negative from") << "abc" << "Find" << "a" << -1 << "-1";
    QTest::newRow("replace all") << "a-b-c" << "Replace" << "-|+" << 0 << "a+b+c";
    QTest::newRow("replacement not rescanned") << "aa" << "Replace" << "a|aa" << 0 << "aaaa";
    QTest::newRow("overlaps left to right") << "aaa" << "Replace" << "aa|b" << 0 << "ba";
    QTest::newRow("replace to remove") << "x<br>y<br>" << "Replace" << "<br>|" << 0 << "xy";
    QTest::newRow("empty pattern does nothing") << "abc" << "Replace" << "|z" << 0 << "abc";
    QTest::newRow("after negative") << "abcd" << "TruncateAfter" << "" << -1 << "";
    QTest::newRow("after zero") << "abcd" << "TruncateAfter" << "" << 0 << "a";
    QTest::newRow("after last") << "abcd" << "TruncateAfter" << "" << 3 << "abcd";
    QTest::newRow("before negative") << "abcd" << "TruncateBefore" << "" << -1 << "abcd";
    QTest::newRow("before middle") << "abcd" << "TruncateBefore" << "" << 1 << "bcd";
    QTest::newRow("before past end") << "abcd" << "TruncateBefore" << "" << 4 << "";
    QTest::newRow("mid to end") << "abc" << "Mid" << "" << 1 << "bc";
    QTest::newRow("mid counted") << "abc" << "Mid" << "1" << 1 << "b";
    QTest::newRow("mid past end") << "abc" << "Mid" << "" << 5 << "";
    QTest::newRow("set folder") << "/old/a.png" << "SetPath" << "/new" << 0 << "/new/a.png";
    QTest::newRow("set folder with separator") << "/old/a.png" << "SetPath" << "C:\\n\\" << 0 << "C:\\n\\a.png";
    QTest::newRow("set folder of bare name") << "a.png" << "SetPath" << "/d" << 0 << "/d/a.png";
    QTest::newRow("empty folder drops path") << "/old/a.png" << "SetPath" << "" << 0 << "a.png";
}

void TestString::edits()
{
    QFETCH(QString, text);
    QFETCH(QString, edit);
    QFETCH(QString, argument);
    QFETCH(int, number);
    QFETCH(QString, expected);
    CKorvexString string = fromQString(text);
    const CKorvexString arg = fromQString(argument);
    QString result;
    if (edit == QLatin1String("Find")) {
        result = QString::number(string.Find(arg, number));
        if (argument.size() == 1)
            QCOMPARE(string.Find(arg.FirstCh(), number), expected.toInt());
    } else if (edit == QLatin1String("Replace")) {
        const QStringList parts = argument.split(QLatin1Char('|'));
        result = toQString(string.Replace(fromQString(parts.at(0)), fromQString(parts.at(1))));
    } else if (edit == QLatin1String("TruncateAfter")) {
        result = toQString(string.TruncateAfter(number));
    } else if (edit == QLatin1String("TruncateBefore")) {
        result = toQString(string.TruncateBefore(number));
    } else if (edit == QLatin1String("Mid")) {
        result = toQString(string.Mid(number, argument.isEmpty() ? -1 : argument.toInt()));
    } else if (edit == QLatin1String("SetPath")) {
        result = toQString(string.SetPath(arg));
    }
    QCOMPARE(result, expected);
}

void TestString::pathHelpers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("pathNoSeparator");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("withoutExtension");
    QTest::newRow("slash") << "/a/b/pic.png" << "/a/b/" << "/a/b" << "pic.png" << "png" << "/a/b/pic";
    QTest::newRow("backslash") << "C:\\x\\y.ktf" << "C:\\x\\" << "C:\\x" << "y.ktf" << "ktf" << "C:\\x\\y";
    QTest::newRow("mixed, last wins") << "a\\b/c" << "a\\b/" << "a\\b" << "c" << "" << "a\\b/c";
    QTest::newRow("no folder") << "name.tar.gz" << "" << "" << "name.tar.gz" << "gz" << "name.tar";
    QTest::newRow("dot in folder only") << "/v1.2/readme" << "/v1.2/" << "/v1.2" << "readme" << ""
                                        << "/v1.2/readme";
    QTest::newRow("trailing separator") << "/dir/" << "/dir/" << "/dir" << "" << "" << "/dir/";
    QTest::newRow("trailing dot") << "file." << "" << "" << "file." << "" << "file";
    QTest::newRow("root") << "/" << "/" << "" << "" << "" << "/";
    QTest::newRow("empty") << "" << "" << "" << "" << "" << "";
}

void TestString::pathHelpers()
{
    QFETCH(QString, text);
    QFETCH(QString, path);
    QFETCH(QString, pathNoSeparator);
    QFETCH(QString, fileName);
    QFETCH(QString, extension);
    QFETCH(QString, withoutExtension);
    const CKorvexString string = fromQString(text);
    QCOMPARE(toQString(string.Path()), path);
    QCOMPARE(toQString(string.Path(false)), pathNoSeparator);
    CKorvexString name = string;
    QCOMPARE(toQString(name.RemovePath()), fileName);
    QCOMPARE(toQString(string.Extension()), extension);
    if (!extension.isEmpty())
        QCOMPARE(toQString(string.Extension(true)), QLatin1Char('.') + extension);
    CKorvexString stripped = string;
    QCOMPARE(toQString(stripped.RemoveExt()), withoutExtension);
}

void TestString::ordering_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("less");
    QTest::newRow("prefix first") << "ab" << "abc" << true;
    QTest::newRow("equal") << "abc" << "abc" << false;
    QTest::newRow("upper before lower") << "B" << "a" << true;
    QTest::newRow("code units unsigned") << "z" << "\u00e9" << true;
    QTest::newRow("surrogates after BMP below them") << "\uFFFD" << "\U0001F600" << false;
    QTest::newRow("digits as text") << "10" << "9" << true;
}

void TestString::ordering()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(bool, less);
    const CKorvexString a = fromQString(left);
    const CKorvexString b = fromQString(right);
    QCOMPARE(a < b, less);
    QCOMPARE(a == b, left == right);
    QCOMPARE(a != b, left != right);
    if (left != right)
        QCOMPARE(b < a, !less);
}

void TestString::concatenation()
{
    CKorvexString text("a");
    text += CKorvexString("b");
    text += u'c';
    QCOMPARE(toQString(text + CKorvexString("d") + u'e'), QStringLiteral("abcde"));
    QCOMPARE(toQString("x" + text), QStringLiteral("xabc"));
    QCOMPARE(text.FirstCh(), u'a');
    QCOMPARE(text.LastCh(), u'c');
    QVERIFY(CKorvexString().FirstCh() == 0 && CKorvexString().LastCh() == 0);
    CKorvexString path(u"a\\b\\c");
    QCOMPARE(toQString(path.ReplaceCh(u'\\', u'/')), QStringLiteral("a/b/c"));
}

KORVEX_TEST_MAIN(TestString)
#include "tst_string.moc"
