#include "KorvexTestMain.h"
#include "actions/ActionArchive.h"
#include "core/CKorvexString.h"

using Korvex::CKorvexString;
using Korvex::fromQString;
using Korvex::toQString;

namespace {

template<class T>
bool archiveAs(ActionArchive& archive, QVariant& value, bool (ActionArchive::*hook)(T*))
{
    T native = value.value<T>();
    const bool ok = (archive.*hook)(&native);
    value = QVariant::fromValue(native);
    return ok;
}

/// Writes value, or reads into it, through the hook of its type: unsigned, bool, double or text.
bool archiveValue(ActionArchive& archive, QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::UInt: return archiveAs<unsigned>(archive, value, &ActionArchive::ArchiveUInt);
    case QMetaType::Bool: return archiveAs<bool>(archive, value, &ActionArchive::ArchiveBool);
    case QMetaType::Double: return archiveAs<double>(archive, value, &ActionArchive::ArchiveDouble);
    default: break;
    }
    CKorvexString text = fromQString(value.toString());
    const bool ok = archive.ArchiveString(&text);
    value = toQString(text);
    return ok;
}

/// A value of like's type that differs from it, so that a read that sets nothing shows.
QVariant other(const QVariant& like)
{
    switch (like.userType()) {
    case QMetaType::UInt: return like.toUInt() + 1u;
    case QMetaType::Bool: return !like.toBool();
    case QMetaType::Double: return like.toDouble() + 1.0;
    default: return like.toString() + QLatin1Char('?');
    }
}

} // namespace

class TestActionArchive : public QObject
{
    Q_OBJECT

private slots:
    void element_data();
    void element();
    void refusedCallsLeaveValuesAlone();
};

void TestActionArchive::element_data()
{
    QTest::addColumn<QVariant>("written"); // invalid: the row only reads
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QVariant>("read"); // of the type read; its zero after a refusal
    const QString ab = QStringLiteral("ab") + QChar(0) + QStringLiteral("cd");
    QTest::newRow("unsigned zero") << QVariant(0u) << "0" << true << QVariant(0u);
    QTest::newRow("unsigned largest") << QVariant(4294967295u) << "4294967295" << true << QVariant(4294967295u);
    QTest::newRow("unsigned leading zeros") << QVariant() << "007" << true << QVariant(7u);
    QTest::newRow("unsigned empty") << QVariant() << "" << false << QVariant(0u);
    QTest::newRow("unsigned negative") << QVariant() << "-1" << false << QVariant(0u);
    QTest::newRow("unsigned trailing text") << QVariant() << "12a" << false << QVariant(0u);
    QTest::newRow("unsigned overflow") << QVariant() << "4294967296" << false << QVariant(0u);
    QTest::newRow("unsigned huge") << QVariant() << "99999999999999999999999" << false << QVariant(0u);
    QTest::newRow("true") << QVariant(true) << "1" << true << QVariant(true);
    QTest::newRow("false") << QVariant(false) << "0" << true << QVariant(false);
    QTest::newRow("bool other number") << QVariant() << "2" << true << QVariant(true);
    QTest::newRow("bool negative") << QVariant() << "-1" << true << QVariant(true);
    QTest::newRow("bool word") << QVariant() << "true" << false << QVariant(false);
    QTest::newRow("exponent") << QVariant(1234567.0) << "1.23457e+06" << true << QVariant(1234570.0);
    QTest::newRow("six digits fixed") << QVariant(123456.0) << "123456" << true << QVariant(123456.0);
    QTest::newRow("rounded to six") << QVariant(3.14159265) << "3.14159" << true << QVariant(3.14159);
    QTest::newRow("small") << QVariant(0.00001) << "1e-05" << true << QVariant(0.00001);
    QTest::newRow("negative") << QVariant(-2.25) << "-2.25" << true << QVariant(-2.25);
    QTest::newRow("double exponent read") << QVariant() << "1.5e3" << true << QVariant(1500.0);
    QTest::newRow("double comma is not a point") << QVariant() << "1,5" << false << QVariant(0.0);
    QTest::newRow("double empty") << QVariant() << "" << false << QVariant(0.0);
    QTest::newRow("empty string") << QVariant("") << "" << true << QVariant("");
    QTest::newRow("blanks kept") << QVariant() << " 12 " << true << QVariant(" 12 ");
    QTest::newRow("CR kept, each LF") << QVariant("a\r\nb\r\n") << "a\r<?KORVEX_ENDL>b\r<?KORVEX_ENDL>"
                                      << true << QVariant("a\r\nb\r\n");
    QTest::newRow("utf-16") << QVariant(QStringLiteral("\u00e9\U0001F600")) << QStringLiteral("\u00e9\U0001F600")
                            << true << QVariant(QStringLiteral("\u00e9\U0001F600"));
    QTest::newRow("stops at nul") << QVariant(ab) << "ab" << true << QVariant("ab");
    QTest::newRow("element marker not escaped") << QVariant("a<?KORVEX_ELEMENT>b") << "a<?KORVEX_ELEMENT>b" << true
                                                << QVariant("a");
    QTest::newRow("markers are case-sensitive") << QVariant() << "a<?korvex_element>b<?Korvex_Endl>" << true
                                                << QVariant("a<?korvex_element>b<?Korvex_Endl>");
    QTest::newRow("partial marker") << QVariant() << "a<?KORVEX_ELEMENTb" << true << QVariant("a<?KORVEX_ELEMENTb");
    QTest::newRow("line marker not escaped") << QVariant("c<?KORVEX_ENDL>d") << "c<?KORVEX_ENDL>d" << true
                                             << QVariant("c\nd");
}

void TestActionArchive::element()
{
    QFETCH(QVariant, written);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QVariant, read);
    if (written.isValid()) {
        ActionArchive writer(ActionArchive::kModeWrite);
        QVERIFY(archiveValue(writer, written));
        QCOMPARE(writer.ToString(), text);
    }
    ActionArchive reader(ActionArchive::kModeRead);
    reader.FromString(text + QStringLiteral("<?KORVEX_ELEMENT>9"));
    QVariant value = other(read);
    QCOMPARE(archiveValue(reader, value), ok);
    QCOMPARE(value, read);
    QCOMPARE(reader.ReadCursor(), 1);
}

void TestActionArchive::refusedCallsLeaveValuesAlone()
{
    ActionArchive reader(ActionArchive::kModeRead);
    QVERIFY(!reader.WriteInt(1));
    reader.FromString(QStringLiteral("stale"));
    reader.FromString(QString());
    QCOMPARE(reader.Elements(), QStringList{QString()});
    reader.FromString(QStringLiteral("5"));
    QVariant first(0u);
    QVERIFY(archiveValue(reader, first));
    for (QVariant value : {QVariant(77u), QVariant(true), QVariant(2.5), QVariant("kept")}) {
        const QVariant before = value;
        QVERIFY(!archiveValue(reader, value));
        QCOMPARE(value, before);
    }
    QCOMPARE(reader.ReadCursor(), 1);

    ActionArchive writer(ActionArchive::kModeWrite);
    QVERIFY(!writer.ArchiveUInt(nullptr));
    QVERIFY(!writer.ArchiveBool(nullptr));
    QVERIFY(!writer.ArchiveDouble(nullptr));
    QVERIFY(!writer.ArchiveString(nullptr));
    QCOMPARE(writer.ToString(), QString());
}

KORVEX_TEST_MAIN(TestActionArchive)
#include "tst_actionarchive.moc"
