#include "tests/properties/KorvexDialogDriver.h"
#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "dictionary/CKorvexDictionary.h"
#include "dictionary/CKorvexDictionaryTableWidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace KorvexDialogDriver;
using Map = CKorvexDictionary::DictionaryMap;

namespace {

Map mapOf(const QString& entries)
{
    Map map;
    for (const QString& entry : entries.split(';', Qt::SkipEmptyParts))
        map.insert(Korvex::fromQString(entry.section('=', 0, 0)), Korvex::fromQString(entry.section('=', 1)));
    return map;
}

QString textOf(const Map& map)
{
    QStringList entries;
    for (auto entry = map.constBegin(); entry != map.constEnd(); ++entry)
        entries << Korvex::toQString(entry.key()) + '=' + Korvex::toQString(entry.value());
    return entries.join(';');
}

QString messagesOf(const KorvexScriptedPrompt& prompt)
{
    QStringList boxes;
    for (const CKorvexMessageRequest& box : prompt.messages())
        boxes << QString("%1|%2|%3").arg(box.icon).arg(box.title, box.text);
    return boxes.join('\n');
}

void retype(QDialog& dialog, const char* field, const QString& text)
{
    child<QLineEdit>(&dialog, field)->clear();
    QTest::keyClicks(child<QLineEdit>(&dialog, field), text);
}

// The dictionary dialog on screen, its table read from the cells as shown.
struct DictionaryDialog
{
    CKorvexDictionaryTableWidget dialog;
    QTreeWidget* tree = child<QTreeWidget>(&dialog, "treeWidget");

    DictionaryDialog()
    {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    QLabel* cell(int row, int column) const
    {
        return qobject_cast<QLabel*>(tree->itemWidget(tree->topLevelItem(row), column));
    }
    QString rows() const
    {
        QStringList shown;
        // Cells show their text behind two spaces.
        for (int row = 0; row < tree->topLevelItemCount(); ++row)
            shown << cell(row, 0)->text().mid(2) + '=' + cell(row, 1)->text().mid(2);
        return shown.join(';');
    }
    void press(const char* button) { click(child<QPushButton>(&dialog, button)); }
};

} // namespace

class TestDictionaryDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init() { KorvexTestEnvironment::clearSettings(); }

    void entries_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("row"); // the row chosen first, -1 for none
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("rows");
        const QString notUnique = "Please insert a unique item name";
        QTest::newRow("add trimmed") << "Title=T" << "addButton" << -1 << " a " << " 1 " << "" << "Title=T;a=1";
        QTest::newRow("add same name in other case") << "Title=T" << "addButton" << -1 << "title" << "x"
                                                     << "2|Insert item|" + notUnique << "Title=T";
        QTest::newRow("add a name of spaces") << "Title=T" << "addButton" << -1 << "   " << "v"
                                              << "1|Insert Item|Please fill the key field" << "Title=T";
        QTest::newRow("rename only in case") << "title=t" << "editButton" << 0 << "Title" << "t"
                                             << "1|Edit item|" + notUnique << "title=t";
        QTest::newRow("rename to another name") << "Author=A;Title=T" << "editButton" << 1 << "author" << "T"
                                                << "1|Edit item|" + notUnique << "Author=A;Title=T";
        QTest::newRow("edit trimmed") << "Title=T" << "editButton" << 0 << " Name " << " v " << "" << "Name=v";
        QTest::newRow("double click edits") << "a=1;b=2" << "doubleClick" << 1 << "b" << "3" << "" << "a=1;b=3";
        QTest::newRow("edit without a row") << "a=1" << "editButton" << -1 << "" << ""
                                            << "1|Edit item|Please select item or category to edit." << "a=1";
        QTest::newRow("remove a row") << "a=1;b=2;c=3" << "removeButton" << 1 << "" << "" << "" << "a=1;c=3";
        QTest::newRow("remove without a row") << "a=1" << "removeButton" << -1 << "" << ""
                                              << "1|Remove item|Please select item to remove." << "a=1";
    }

    void entries()
    {
        QFETCH(QString, initial);
        QFETCH(QString, action);
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(QString, rows);
        CKorvexDictionary::SaveDictionary(mapOf(initial));
        KorvexScriptedPrompt prompt;
        DictionaryDialog d;
        QCOMPARE(d.rows(), initial);
        bool accepted = false;
        prompt.answerDialog([&](QDialog& entry) {
            retype(entry, "nameLineEdit", name);
            retype(entry, "valueLineEdit", value);
            click(child<QPushButton>(&entry, "addEditButton"));
            accepted = entry.result() == QDialog::Accepted;
            return entry.result();
        });
        // A double click is a click followed by a double-click event on the same cell.
        if (row >= 0)
            QTest::mouseClick(d.cell(row, action == "doubleClick" ? 1 : 0), Qt::LeftButton);
        if (action == "doubleClick")
            QTest::mouseDClick(d.cell(row, 1), Qt::LeftButton);
        else
            d.press(qPrintable(action));
        QCOMPARE(messagesOf(prompt), message);
        QCOMPARE(d.rows(), rows);
        QCOMPARE(textOf(CKorvexDictionary::LoadDictionary()), textOf(mapOf(rows)));
        // Only a good edit closes its dialog; adding keeps it open for more.
        const bool edits = action == "doubleClick" || (action == "editButton" && row >= 0);
        QCOMPARE(accepted, edits && message.isEmpty());
    }

    void exportThenImportKeepsEntriesAndOrder()
    {
        const QString entries = "B=2;a=1;b=x y;c=";
        CKorvexDictionary::SaveDictionary(mapOf(entries));
        const QString path = m_dir.filePath("export.df");
        KorvexScriptedPrompt prompt;
        DictionaryDialog d;
        prompt.answerFile(path);
        d.press("saveButton");
        QTest::mouseClick(d.cell(0, 0), Qt::LeftButton);
        d.press("removeButton");
        QCOMPARE(textOf(CKorvexDictionary::LoadDictionary()), QStringLiteral("a=1;b=x y;c="));
        prompt.answerFile(path);
        d.press("loadButton");
        QCOMPARE(d.rows(), entries);
        QCOMPARE(textOf(CKorvexDictionary::LoadDictionary()), entries);
        const QList<CKorvexFileRequest>& files = prompt.files();
        QCOMPARE(QStringList({files[0].title, files[0].startPath, files[1].title, files[1].startPath, files[1].filter}),
                 QStringList({"Save Dictionary File", QDir::homePath(), "Select Dictionary File", path,
                              "Dictionary File ( *.df )"}));
    }

    void choosersThatChangeNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("import cancelled") << "loadButton" << "" << "";
        QTest::newRow("import unreadable") << "loadButton" << "missing.df" << "1|Open faild|Unable to open dictionary file";
        QTest::newRow("export cancelled") << "saveButton" << "" << "";
        QTest::newRow("export unwritable") << "saveButton" << "no/such/out.df" << "1|Save faild|Unable to save dictionary file";
        QTest::newRow("value chooser cancelled") << "browseButton" << "" << "";
    }

    void choosersThatChangeNothing()
    {
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        CKorvexDictionary::SaveDictionary(mapOf("a=1;b=2"));
        KorvexScriptedPrompt prompt;
        DictionaryDialog d;
        prompt.answerFile(answer.isEmpty() ? answer : m_dir.filePath(answer));
        QString value;
        prompt.answerDialog([&](QDialog& entry) {
            retype(entry, "valueLineEdit", "typed");
            click(child<QPushButton>(&entry, "browseButton"));
            value = child<QLineEdit>(&entry, "valueLineEdit")->text();
            return entry.result();
        });
        d.press(button == "browseButton" ? "addButton" : qPrintable(button));
        QCOMPARE(prompt.files().size(), 1);
        QCOMPARE(value, button == "browseButton" ? QStringLiteral("typed") : QString());
        QCOMPARE(messagesOf(prompt), message);
        QCOMPARE(d.rows(), QStringLiteral("a=1;b=2"));
        QCOMPARE(textOf(CKorvexDictionary::LoadDictionary()), QStringLiteral("a=1;b=2"));
    }

    void browseFillsTheValue()
    {
        const QString picture = m_dir.filePath("logo.png");
        KorvexScriptedPrompt prompt;
        DictionaryDialog d;
        prompt.answerFile(picture);
        prompt.answerDialog([&](QDialog& entry) {
            retype(entry, "nameLineEdit", "Logo");
            click(child<QPushButton>(&entry, "browseButton"));
            click(child<QPushButton>(&entry, "addEditButton"));
            click(child<QPushButton>(&entry, "browseButton")); // cancelled
            return entry.result();
        });
        d.press("addButton");
        QCOMPARE(prompt.files().size(), 2);
        QCOMPARE(prompt.files().first().title + '|' + prompt.files().last().startPath, "Select File|" + picture);
        QCOMPARE(CKorvexDictionary::DictionaryValue(QStringLiteral("logo")), picture);
    }

    void largeTableLabelsTheRowsInView()
    {
        Map entries;
        for (int index = 0; index < 2000; ++index)
            entries.insert(Korvex::fromQString(QString::asprintf("key %04d", index)), Korvex::fromQString(QString::number(index)));
        CKorvexDictionary::SaveDictionary(entries);
        DictionaryDialog d;
        QTest::keyClick(d.tree, Qt::Key_End);
        QCOMPARE(d.cell(1999, 0)->text() + '=' + d.cell(1999, 1)->text(), QStringLiteral("  key 1999=  1999"));
        QVERIFY(!d.cell(0, 0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(d.tree->viewport()->findChildren<QLabel*>().size() < 200);
    }
};

KORVEX_TEST_MAIN(TestDictionaryDialog)
#include "tst_dictionarydialog.moc"
