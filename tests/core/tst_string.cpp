#include "KorvexTestMain.h"
#include "core/CKorvexString.h"

#include <map>

using Korvex::CKorvexString;
using Korvex::fromQString;
using Korvex::toQString;

class TestString : public QObject
{
    Q_OBJECT

private slots:
    void constructionFromEveryForm();
    void qtRoundTripKeepsEveryCodeUnit();
    void narrowAndWideCasts();
    void utf8KeepsLeadingMarks_data();
    void utf8KeepsLeadingMarks();
    void findAndEnds_data();
    void findAndEnds();
    void replace_data();
    void replace();
    void truncate_data();
    void truncate();
    void toLowerKeepsOriginal();
    void pathHelpers_data();
    void pathHelpers();
    void setPath_data();
    void setPath();
    void ordering_data();
    void ordering();
    void orderingIsStrictAndTotalInAMap();
    void concatenation();
};

void TestString::constructionFromEveryForm()
{
    QVERIFY(CKorvexString().IsEmpty());
    QCOMPARE(CKorvexString().Length(), 0);
    QCOMPARE(CKorvexString(static_cast<const char*>(nullptr)).Length(), 0);
    QCOMPARE(CKorvexString(static_cast<const wchar_t*>(nullptr)).Length(), 0);
    QCOMPARE(toQString(CKorvexString("a\xc3\xa9")), QStringLiteral("a\u00e9"));
    QCOMPARE(toQString(CKorvexString(L"\u00e9t\u00e9")), QStringLiteral("\u00e9t\u00e9"));
    QCOMPARE(toQString(CKorvexString(u"x\U0001F600")), QStringLiteral("x\U0001F600"));
    QCOMPARE(CKorvexString(u"x\U0001F600").Length(), 3);
    QCOMPARE(toQString(CKorvexString(u"abcdef", 3)), QStringLiteral("abc"));
    QCOMPARE(CKorvexString(u"abc", -2).Length(), 0);
    QCOMPARE(toQString(CKorvexString(0)), QStringLiteral("0"));
    QCOMPARE(toQString(CKorvexString(-1234)), QStringLiteral("-1234"));
    QCOMPARE(toQString(CKorvexString::FromNumber(9876543210LL)), QStringLiteral("9876543210"));
    const CKorvexString original("copy");
    CKorvexString copy(original);
    copy += u'!';
    QCOMPARE(toQString(original), QStringLiteral("copy"));
    QCOMPARE(toQString(copy), QStringLiteral("copy!"));
}

void TestString::qtRoundTripKeepsEveryCodeUnit()
{
    QString text = QStringLiteral("line\r\nnext\u00e9\U0001F600");
    text.append(QChar(0));
    text.append(QChar(0xD800)); // a lone surrogate survives: UTF-16 crosses unchanged
    const CKorvexString converted = fromQString(text);
    QCOMPARE(converted.Length(), text.size());
    QCOMPARE(toQString(converted), text);
}

void TestString::narrowAndWideCasts()
{
    const CKorvexString text(u"caf\u00e9");
    QCOMPARE(static_cast<std::string>(text), std::string("caf\xc3\xa9"));
    QCOMPARE(static_cast<std::wstring>(text), std::wstring(L"caf\u00e9"));
    QCOMPARE(toQString(CKorvexString("bad\xff")), QStringLiteral("bad\ufffd"));
}

void TestString::utf8KeepsLeadingMarks_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QString>("text");
    const QString mark(QChar(0xFEFF));
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("plain") << QByteArray("a\xC3\xA9") << QString::fromUtf8("a\xC3\xA9");
    QTest::newRow("one mark") << QByteArray("\xEF\xBB\xBF" "k") << mark + "k";
    QTest::newRow("two marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "k") << mark + mark + "k";
    QTest::newRow("mark alone") << QByteArray("\xEF\xBB\xBF") << mark;
    QTest::newRow("mark inside") << QByteArray("a\xEF\xBB\xBF") << "a" + mark;
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

void TestString::findAndEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("expected");
    QTest::newRow("first") << "abcabc" << "bc" << 0 << 1;
    QTest::newRow("after from") << "abcabc" << "bc" << 2 << 4;
    QTest::newRow("absent") << "abcabc" << "cb" << 0 << -1;
    QTest::newRow("empty needle") << "abc" << "" << 1 << 1;
    QTest::newRow("from past end") << "abc" << "a" << 7 << -1;
    QTest::newRow("negative from") << "abc" << "a" << -1 << -1;
    QTest::newRow("in empty") << "" << "a" << 0 << -1;
}

void TestString::findAndEnds()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, from);
    QFETCH(int, expected);
    const CKorvexString string = fromQString(text);
    QCOMPARE(string.Find(fromQString(needle), from), expected);
    if (needle.size() == 1)
        QCOMPARE(string.Find(char16_t(needle.at(0).unicode()), from), expected);
    QCOMPARE(string.FirstCh(), text.isEmpty() ? char16_t(0) : char16_t(text.front().unicode()));
    QCOMPARE(string.LastCh(), text.isEmpty() ? char16_t(0) : char16_t(text.back().unicode()));
}

void TestString::replace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");
    QTest::newRow("all") << "a-b-c" << "-" << "+" << "a+b+c";
    QTest::newRow("longer replacement not rescanned") << "aa" << "a" << "aa" << "aaaa";
    QTest::newRow("overlapping left to right") << "aaa" << "aa" << "b" << "ba";
    QTest::newRow("remove") << "x<br>y<br>" << "<br>" << "" << "xy";
    QTest::newRow("empty pattern does nothing") << "abc" << "" << "z" << "abc";
    QTest::newRow("absent") << "abc" << "q" << "z" << "abc";
}

void TestString::replace()
{
    QFETCH(QString, text);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    CKorvexString string = fromQString(text);
    string.Replace(fromQString(from), fromQString(to));
    QCOMPARE(toQString(string), expected);
    CKorvexString chars(u"a\\b\\c");
    chars.ReplaceCh(u'\\', u'/');
    QCOMPARE(toQString(chars), QStringLiteral("a/b/c"));
}

void TestString::truncate_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("before");
    QTest::newRow("negative") << -1 << "" << "abcd";
    QTest::newRow("zero") << 0 << "a" << "abcd";
    QTest::newRow("middle") << 1 << "ab" << "bcd";
    QTest::newRow("last") << 3 << "abcd" << "d";
    QTest::newRow("past end") << 4 << "abcd" << "";
}

void TestString::truncate()
{
    QFETCH(int, index);
    QFETCH(QString, after);
    QFETCH(QString, before);
    CKorvexString a(u"abcd");
    CKorvexString b(u"abcd");
    QCOMPARE(toQString(a.TruncateAfter(index)), after);
    QCOMPARE(toQString(b.TruncateBefore(index)), before);
}

void TestString::toLowerKeepsOriginal()
{
    const CKorvexString text(u"K\u00c9Y Name");
    QCOMPARE(toQString(text.ToLower()), QStringLiteral("k\u00e9y name"));
    QCOMPARE(toQString(text), QStringLiteral("K\u00c9Y Name"));
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

void TestString::setPath_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("replace folder") << "/old/a.png" << "/new" << "/new/a.png";
    QTest::newRow("folder with separator") << "/old/a.png" << "C:\\n\\" << "C:\\n\\a.png";
    QTest::newRow("bare name") << "a.png" << "/d" << "/d/a.png";
    QTest::newRow("empty folder drops path") << "/old/a.png" << "" << "a.png";
}

void TestString::setPath()
{
    QFETCH(QString, text);
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    CKorvexString string = fromQString(text);
    QCOMPARE(toQString(string.SetPath(fromQString(folder))), expected);
}

void TestString::ordering_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("less");
    QTest::newRow("prefix first") << "ab" << "abc" << true;
    QTest::newRow("longer after") << "abc" << "ab" << false;
    QTest::newRow("equal") << "abc" << "abc" << false;
    QTest::newRow("empty first") << "" << "a" << true;
    QTest::newRow("upper before lower") << "B" << "a" << true;
    QTest::newRow("case differs") << "a" << "A" << false;
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

void TestString::orderingIsStrictAndTotalInAMap()
{
    std::map<CKorvexString, int> map;
    map[CKorvexString("b")] = 1;
    map[CKorvexString("B")] = 2;
    map[CKorvexString("a")] = 3;
    map[CKorvexString("b")] = 4;
    QCOMPARE(map.size(), size_t(3));
    QStringList keys;
    for (const auto& entry : map)
        keys << toQString(entry.first);
    QCOMPARE(keys, (QStringList{"B", "a", "b"}));
    QCOMPARE(map[CKorvexString("b")], 4);
}

void TestString::concatenation()
{
    CKorvexString text("a");
    text += CKorvexString("b");
    text += u'c';
    QCOMPARE(toQString(text + CKorvexString("d") + u'e'), QStringLiteral("abcde"));
    QCOMPARE(toQString("x" + text), QStringLiteral("xabc"));
    QCOMPARE(toQString(text.Mid(1)), QStringLiteral("bc"));
    QCOMPARE(toQString(text.Mid(1, 1)), QStringLiteral("b"));
    QCOMPARE(toQString(text.Mid(5)), QString());
}

KORVEX_TEST_MAIN(TestString)
#include "tst_string.moc"
