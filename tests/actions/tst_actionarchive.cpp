#include "KorvexTestMain.h"
#include "actions/ActionArchive.h"
#include "core/CKorvexString.h"

using Korvex::CKorvexString;
using Korvex::fromQString;
using Korvex::toQString;

class TestActionArchive : public QObject
{
    Q_OBJECT

private slots:
    void modeSetsDirection();
    void unsignedElements_data();
    void unsignedElements();
    void boolElements();
    void doubleElements_data();
    void doubleElements();
    void stringElements_data();
    void stringElements();
    void signedIntCrossesAsBitPattern();
    void toStringJoinsAndMarksLineFeeds();
    void fromStringSplitsKeepingEmptyParts_data();
    void fromStringSplitsKeepingEmptyParts();
    void readPastEndFailsAndLeavesValue();
    void readUnsigned_data();
    void readUnsigned();
    void readBool_data();
    void readBool();
    void readDouble_data();
    void readDouble();
    void readStringTakesElementUnchanged();
    void markerInsideStringDoesNotReadBack();
    void nullValuePointerFails();
};

void TestActionArchive::modeSetsDirection()
{
    QVERIFY(ActionArchive(ActionArchive::kModeRead).IsReading());
    QVERIFY(!ActionArchive(ActionArchive::kModeWrite).IsReading());
    ActionArchive archive(ActionArchive::kModeRead);
    QCOMPARE(archive.ReadCursor(), 0);
    QVERIFY(archive.Elements().isEmpty());
    QCOMPARE(archive.ToString(), QString());
    QVERIFY(!archive.WriteInt(1));
}

void TestActionArchive::unsignedElements_data()
{
    QTest::addColumn<unsigned>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0u << "0";
    QTest::newRow("small") << 7u << "7";
    QTest::newRow("no leading zeros") << 10234u << "10234";
    QTest::newRow("largest") << 4294967295u << "4294967295";
}

void TestActionArchive::unsignedElements()
{
    QFETCH(unsigned, value);
    QFETCH(QString, text);
    ActionArchive writer(ActionArchive::kModeWrite);
    QVERIFY(writer.ArchiveUInt(&value));
    QCOMPARE(writer.Elements(), QStringList{text});
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(writer.ToString());
    unsigned read = 1;
    QVERIFY(reader.ArchiveUInt(&read));
    QCOMPARE(read, value);
}

void TestActionArchive::boolElements()
{
    ActionArchive writer(ActionArchive::kModeWrite);
    bool yes = true;
    bool no = false;
    QVERIFY(writer.ArchiveBool(&yes));
    QVERIFY(writer.ArchiveBool(&no));
    QVERIFY(writer.WriteBool(true));
    QCOMPARE(writer.ToString(), QStringLiteral("1<?KORVEX_ELEMENT>0<?KORVEX_ELEMENT>1"));
}

void TestActionArchive::doubleElements_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("readBack");
    QTest::newRow("half") << 0.5 << "0.5" << 0.5;
    QTest::newRow("tenth") << 0.1 << "0.1" << 0.1;
    QTest::newRow("exponent") << 1234567.0 << "1.23457e+06" << 1234570.0;
    QTest::newRow("six digits fixed") << 123456.0 << "123456" << 123456.0;
    QTest::newRow("rounded to six") << 3.14159265 << "3.14159" << 3.14159;
    QTest::newRow("small") << 0.00001 << "1e-05" << 0.00001;
    QTest::newRow("negative") << -2.25 << "-2.25" << -2.25;
    QTest::newRow("zero") << 0.0 << "0" << 0.0;
}

void TestActionArchive::doubleElements()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(double, readBack);
    ActionArchive writer(ActionArchive::kModeWrite);
    QVERIFY(writer.ArchiveDouble(&value));
    QCOMPARE(writer.ToString(), text);
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(text);
    double read = -1;
    QVERIFY(reader.ReadDouble(read));
    QCOMPARE(read, readBack);
}

void TestActionArchive::stringElements_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "Hello" << "Hello";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("line feed") << "one\ntwo" << "one<?KORVEX_ENDL>two";
    QTest::newRow("carriage return kept") << "one\r\ntwo\r" << "one\r<?KORVEX_ENDL>two\r";
    QTest::newRow("two line feeds") << "\n\n" << "<?KORVEX_ENDL><?KORVEX_ENDL>";
    QTest::newRow("utf-16") << "\u00e9\U0001F600" << "\u00e9\U0001F600";
    QTest::newRow("stops at nul") << QStringLiteral("ab") + QChar(0) + QStringLiteral("cd") << "ab";
}

void TestActionArchive::stringElements()
{
    QFETCH(QString, value);
    QFETCH(QString, text);
    ActionArchive writer(ActionArchive::kModeWrite);
    QVERIFY(writer.WriteString(fromQString(value)));
    QCOMPARE(writer.ToString(), text);
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(text);
    CKorvexString read;
    QVERIFY(reader.ReadString(read));
    QCOMPARE(toQString(read), value.left(value.indexOf(QChar(0))));
}

void TestActionArchive::signedIntCrossesAsBitPattern()
{
    ActionArchive writer(ActionArchive::kModeWrite);
    QVERIFY(writer.WriteInt(-1));
    QVERIFY(writer.WriteInt(-2147483647 - 1));
    QCOMPARE(writer.Elements(), (QStringList{"4294967295", "2147483648"}));
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(writer.ToString());
    int first = 0;
    int second = 0;
    QVERIFY(reader.ReadInt(first));
    QVERIFY(reader.ReadInt(second));
    QCOMPARE(first, -1);
    QCOMPARE(second, -2147483647 - 1);
}

void TestActionArchive::toStringJoinsAndMarksLineFeeds()
{
    ActionArchive writer(ActionArchive::kModeWrite);
    writer.WriteInt(2);
    writer.WriteString("Title");
    writer.WriteString("a\r\nb");
    writer.WriteString("");
    QCOMPARE(writer.ToString(), QStringLiteral("2<?KORVEX_ELEMENT>Title<?KORVEX_ELEMENT>a\r<?KORVEX_ENDL>b"
                                               "<?KORVEX_ELEMENT>"));
}

void TestActionArchive::fromStringSplitsKeepingEmptyParts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("elements");
    QTest::newRow("empty text is one empty element") << "" << QStringList{""};
    QTest::newRow("two") << "1<?KORVEX_ELEMENT>x" << QStringList{"1", "x"};
    QTest::newRow("empty parts kept") << "<?KORVEX_ELEMENT><?KORVEX_ELEMENT>" << QStringList{"", "", ""};
    QTest::newRow("line markers restored") << "a<?KORVEX_ENDL>b<?KORVEX_ELEMENT><?KORVEX_ENDL>"
                                           << QStringList{"a\nb", "\n"};
    QTest::newRow("markers are case-sensitive") << "a<?korvex_element>b<?Korvex_Endl>"
                                                << QStringList{"a<?korvex_element>b<?Korvex_Endl>"};
    QTest::newRow("partial marker") << "a<?KORVEX_ELEMENTb" << QStringList{"a<?KORVEX_ELEMENTb"};
}

void TestActionArchive::fromStringSplitsKeepingEmptyParts()
{
    QFETCH(QString, text);
    QFETCH(QStringList, elements);
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(QStringLiteral("stale"));
    reader.FromString(text);
    QCOMPARE(reader.Elements(), elements);
}

void TestActionArchive::readPastEndFailsAndLeavesValue()
{
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(QStringLiteral("5"));
    unsigned number = 0;
    QVERIFY(reader.ArchiveUInt(&number));
    QCOMPARE(reader.ReadCursor(), 1);
    number = 77;
    bool flag = true;
    double real = 2.5;
    CKorvexString text("kept");
    QVERIFY(!reader.ArchiveUInt(&number));
    QVERIFY(!reader.ArchiveBool(&flag));
    QVERIFY(!reader.ArchiveDouble(&real));
    QVERIFY(!reader.ArchiveString(&text));
    QCOMPARE(number, 77u);
    QCOMPARE(flag, true);
    QCOMPARE(real, 2.5);
    QCOMPARE(toQString(text), QStringLiteral("kept"));
    QCOMPARE(reader.ReadCursor(), 1);
}

void TestActionArchive::readUnsigned_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<unsigned>("value");
    QTest::newRow("digits") << "42" << true << 42u;
    QTest::newRow("leading zeros") << "007" << true << 7u;
    QTest::newRow("empty") << "" << false << 0u;
    QTest::newRow("negative") << "-1" << false << 0u;
    QTest::newRow("plus sign") << "+1" << false << 0u;
    QTest::newRow("trailing text") << "12a" << false << 0u;
    QTest::newRow("blank") << " 5" << false << 0u;
    QTest::newRow("overflow") << "4294967296" << false << 0u;
    QTest::newRow("huge") << "99999999999999999999999" << false << 0u;
    QTest::newRow("real") << "1.0" << false << 0u;
}

void TestActionArchive::readUnsigned()
{
    QFETCH(QString, element);
    QFETCH(bool, ok);
    QFETCH(unsigned, value);
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(element + QStringLiteral("<?KORVEX_ELEMENT>9"));
    unsigned read = 123;
    QCOMPARE(reader.ArchiveUInt(&read), ok);
    QCOMPARE(read, value);
    QCOMPARE(reader.ReadCursor(), 1);
}

void TestActionArchive::readBool_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("value");
    QTest::newRow("one") << "1" << true << true;
    QTest::newRow("zero") << "0" << true << false;
    QTest::newRow("other number") << "2" << true << true;
    QTest::newRow("negative") << "-1" << true << true;
    QTest::newRow("word") << "true" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestActionArchive::readBool()
{
    QFETCH(QString, element);
    QFETCH(bool, ok);
    QFETCH(bool, value);
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(element);
    bool read = !value;
    QCOMPARE(reader.ArchiveBool(&read), ok);
    QCOMPARE(read, value);
}

void TestActionArchive::readDouble_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("fixed") << "12.75" << true << 12.75;
    QTest::newRow("exponent") << "1.5e3" << true << 1500.0;
    QTest::newRow("whole") << "-3" << true << -3.0;
    QTest::newRow("comma is not a point") << "1,5" << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
}

void TestActionArchive::readDouble()
{
    QFETCH(QString, element);
    QFETCH(bool, ok);
    QFETCH(double, value);
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(element);
    double read = 99;
    QCOMPARE(reader.ArchiveDouble(&read), ok);
    QCOMPARE(read, value);
}

void TestActionArchive::readStringTakesElementUnchanged()
{
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(QStringLiteral(" 12 <?KORVEX_ELEMENT>"));
    CKorvexString first;
    CKorvexString second("x");
    QVERIFY(reader.ArchiveString(&first));
    QVERIFY(reader.ArchiveString(&second));
    QCOMPARE(toQString(first), QStringLiteral(" 12 "));
    QVERIFY(second.IsEmpty());
}

void TestActionArchive::markerInsideStringDoesNotReadBack()
{
    ActionArchive writer(ActionArchive::kModeWrite);
    writer.WriteString("a<?KORVEX_ELEMENT>b");
    writer.WriteString("c<?KORVEX_ENDL>d");
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(writer.ToString());
    QCOMPARE(reader.Elements(), (QStringList{"a", "b", "c\nd"}));
}

void TestActionArchive::nullValuePointerFails()
{
    ActionArchive writer(ActionArchive::kModeWrite);
    QVERIFY(!writer.ArchiveUInt(nullptr));
    QVERIFY(!writer.ArchiveBool(nullptr));
    QVERIFY(!writer.ArchiveDouble(nullptr));
    QVERIFY(!writer.ArchiveString(nullptr));
    QVERIFY(writer.Elements().isEmpty());
}

KORVEX_TEST_MAIN(TestActionArchive)
#include "tst_actionarchive.moc"
