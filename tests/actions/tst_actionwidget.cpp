#include "../properties/KorvexDialogDriver.h"
#include "../tools/KorvexToolFixtures.h"
#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "KorvexTestPage.h"
#include "actions/CKorvexActionEnabled.h"
#include "actions/CKorvexActionWidget.h"
#include "actions/KorvexReverseActionDialog.h"
#include "core/CKorvexActionAnimationPlay.h"
#include "core/CKorvexActionAnimationStop.h"
#include "core/CKorvexActionAnnot3DScript.h"
#include "core/CKorvexActionMessageBox.h"
#include "core/CKorvexActionMultiAction.h"
#include "core/CKorvexActionPrepopulateFormTextBox.h"
#include "core/CKorvexActionSceneState.h"
#include "core/CKorvexActionUrl.h"
#include "core/CKorvexUndoManager.h"
#include "properties/CKorvexPropertyWidget.h"

#include <QLineEdit>
#include <QListWidget>

using namespace Korvex;
using namespace KorvexDialogDriver;

Q_DECLARE_METATYPE(Korvex::CKorvexAction)

namespace {

template <typename Action, typename... Fields>
CKorvexAction make(Fields... fields)
{
    return CKorvexAction(new Action(fields...));
}

CKorvexAction multi(std::vector<CKorvexAction> actions, int mode = TriggerLoop)
{
    return CKorvexAction(new CKorvexActionMultiAction(std::move(actions), enumTriggeringMode(mode)));
}

CKorvexAction url(const char* address, const char* folder = "", const char* page = "")
{
    auto* action = new CKorvexActionUrl(address);
    action->SetLocalHtmlPath(folder);
    action->SetStartupHtmlFile(page);
    return CKorvexAction(action);
}

QStringList lines(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

void clickRow(QListWidget* list, int row, bool twice = false)
{
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

/// Answers the next action editor: picks the type ("" keeps it) and presses the buttons.
void answerEditor(KorvexScriptedPrompt& prompt, const QString& type, QList<const char*> buttons = {"okButton"})
{
    prompt.answerDialog([type, buttons](QDialog& host) {
        if (!type.isEmpty())
            pick(child<QComboBox>(&host, "actionComboBox"), type);
        for (const char* button : buttons)
            click(child<QAbstractButton>(&host, button));
        return host.result();
    });
}

/// An image item shown in a real panel of a scene with its own history.
struct PanelBench
{
    CKorvexUndoManager history;
    CKorvexDesignerScene scene{nullptr, &history};
    CKorvexPropertyWidget panel;
    QGraphicsItem* image = KorvexTestPage::add(scene, {"type:image", "width:40", "height:30"});
    CKorvexActionWidget* editor = child<CKorvexActionWidget>(&panel, "actionWidget");

    PanelBench()
    {
        scene.setPropertyWidget(&panel);
        panel.setScene(&scene);
        scene.setCurrentItem(image);
        scene.showInPanel(image);
        history.ClearHistory();
    }
    CKorvexAction itemAction() const { return dynamic_cast<CKorvexActionEnabled*>(image)->GetAction(); }
};

} // namespace

class TestActionWidget : public QObject
{
    Q_OBJECT

private slots:
    void rowsFollowTheType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("rows");
        QTest::newRow("None") << "None" << "";
        QTest::newRow("URL") << "URL" << "contentLineEdit filePathLineEdit startupHtmlfileLineEdit";
        QTest::newRow("Message Box") << "Message Box" << "contentLineEdit titleLineEdit";
        QTest::newRow("Animation Play") << "Animation Play" << "playAnimationGroupBox";
        QTest::newRow("range") << "Animation Play" << "playAnimationGroupBox animationFromLineEdit";
        QTest::newRow("Animation Stop") << "Animation Stop" << "";
        QTest::newRow("Script") << "Script" << "openFileButton";
        QTest::newRow("Multi Actions") << "Multi Actions" << "openFileButton multiActionOptionsGroup";
        QTest::newRow("Scene State") << "Scene State" << "sceneStateIDLineEdit";
        QTest::newRow("Pre-populate") << "Pre-populate" << "attributeKeyNameLineEdit";
    }

    void rowsFollowTheType()
    {
        QFETCH(QString, type);
        QFETCH(QString, rows);
        CKorvexActionWidget editor;
        QVERIFY(pick(child<QComboBox>(&editor, "actionComboBox"), type));
        if (QByteArray(QTest::currentDataTag()) == "range")
            toggle(child<QAbstractButton>(&editor, "selectedAnimationRadioButton"));
        QStringList shown;
        for (const char* name : {"contentLineEdit", "titleLineEdit", "filePathLineEdit", "startupHtmlfileLineEdit",
                                 "openFileButton", "multiActionOptionsGroup", "sceneStateIDLineEdit", "okButton",
                                 "playAnimationGroupBox", "animationFromLineEdit", "attributeKeyNameLineEdit"})
            if (child<QWidget>(&editor, name)->isVisibleTo(&editor))
                shown << name;
        QCOMPARE(shown.join(' '), rows);
    }

    void shownItemLoadsItsAction_data()
    {
        QTest::addColumn<CKorvexAction>("loaded");
        QTest::addColumn<CKorvexAction>("rebuilt");
        const CKorvexAction box = make<CKorvexActionMessageBox>("Hello", "two\nlines");
        const CKorvexAction stop = make<CKorvexActionAnimationStop>();
        QTest::newRow("none") << CKorvexAction() << CKorvexAction();
        for (const CKorvexAction& same : {url("https://a.example", "/site", "index.html"), box, stop,
                                          make<CKorvexActionAnimationPlay>(false, 4, 90), multi({box, stop}, 2),
                                          make<CKorvexActionSceneState>(4), make<CKorvexActionAnnot3DScript>("run();"),
                                          make<CKorvexActionPrepopulateFormTextBox>("3"),
                                          make<CKorvexActionSceneState>(CKorvexString("Front"))})
            QTest::newRow(qPrintable(KorvexReverseActionDialog::actionLine(same).simplified())) << same << same;
        QTest::newRow("negative index") << make<CKorvexActionSceneState>(-7) << make<CKorvexActionSceneState>(0);
        QTest::newRow("unknown mode") << multi({stop}, 9) << multi({stop}, TriggerRunAll);
    }

    void shownItemLoadsItsAction()
    {
        QFETCH(CKorvexAction, loaded);
        QFETCH(CKorvexAction, rebuilt);
        PanelBench bench;
        dynamic_cast<CKorvexActionEnabled*>(bench.image)->SetAction(loaded);
        bench.scene.showInPanel(bench.image);
        QVERIFY(bench.editor->GetAction() == rebuilt && bench.history.UndoCount() == 0);
    }

    void sceneStateIndexIsOneBased_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index");
        QTest::newRow("left empty") << "" << -1;
        QTest::newRow("zero") << "0" << -1;
        QTest::newRow("three") << "3" << 2;
    }

    void sceneStateIndexIsOneBased()
    {
        QFETCH(QString, typed);
        QFETCH(int, index);
        CKorvexActionWidget editor;
        pick(child<QComboBox>(&editor, "actionComboBox"), "Scene State");
        auto* field = child<QLineEdit>(&editor, "sceneStateIDLineEdit");
        QTest::keyClicks(field, "Front");
        QVERIFY(pick(child<QComboBox>(&editor, "sceneStateTypeComboBox"), "By Index"));
        QTest::keyClicks(field, typed);
        QVERIFY(editor.GetAction() == make<CKorvexActionSceneState>(index));
        pick(child<QComboBox>(&editor, "sceneStateTypeComboBox"), "By Name");
        QVERIFY(field->text().isEmpty());
    }

    void htmlFolderChecks_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("startup"); // "" chooses no folder, "-" no page; "gone" removes the folder
        QTest::addColumn<QString>("outcome"); // message title and text, folder and page fields
        const QStringList site{"site/index.html", "site/sub/page.html"};
        QTest::newRow("no folder") << site << "" << "Warning|Please select html folder first||";
        QTest::newRow("upper-case page") << QStringList{"site/INDEX.HTML"} << "-" << "No html file found|The "
            "selected directory should have at least one html file as the main html page to be a vaild directory||";
        QTest::newRow("page in a subfolder") << site << "site/sub/page.html" << "Invaild selection|The selected "
            "startup html file isn't inside the selected html folder|site|";
        QTest::newRow("page not in the folder") << site << "site/gone.html" << "No startup html file found|The "
            "selected startup html file should be inside the selected local html directory|site|";
        QTest::newRow("folder gone") << site << "gone" << "Missing html folder|The selected html folder is missing "
            "from the file system please reselect the html folder.|site|";
        QTest::newRow("accepted") << site << "site/index.html" << "||site|index.html";
    }

    void htmlFolderChecks()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, startup);
        QFETCH(QString, outcome);
        QTemporaryDir dir;
        for (const QString& file : files)
            QVERIFY(KorvexTestFiles::writeFile(dir.filePath(file), "<p/>"));
        CKorvexActionWidget editor;
        KorvexScriptedPrompt prompt;
        prompt.answerFile(startup.isEmpty() ? QString() : dir.filePath("site"));
        click(child<QAbstractButton>(&editor, "selectFileButton"));
        if (startup == "gone")
            QDir(dir.filePath("site")).removeRecursively();
        else if (startup.contains('/'))
            prompt.answerFile(dir.filePath(startup));
        click(child<QAbstractButton>(&editor, "selectStartupHtmlFileButton"));
        const auto& shown = prompt.messages();
        const QString folder = child<QLineEdit>(&editor, "filePathLineEdit")->text().mid(dir.path().size() + 1);
        QCOMPARE((shown.isEmpty() ? "|" : shown.first().title + '|' + shown.first().text) + '|' + folder + '|'
                     + child<QLineEdit>(&editor, "startupHtmlfileLineEdit")->text(), outcome);
    }

    void typedUrlIsOneUndoStep()
    {
        PanelBench bench;
        QVERIFY(pick(child<QComboBox>(bench.editor, "actionComboBox"), "URL") && bench.history.UndoCount() == 1);
        QString signals_; // will-change, info and changed, in the order sent
        connect(bench.editor, &CKorvexActionWidget::onActionSettingsWillChange, [&] { signals_ += 'w'; });
        connect(bench.editor, &CKorvexActionWidget::onActionInfoChange, [&] { signals_ += 'i'; });
        connect(bench.editor, &CKorvexActionWidget::onActionSettingsChanged, [&] { signals_ += 'c'; });
        auto* field = child<QLineEdit>(bench.editor, "contentLineEdit");
        QTest::keyClicks(field, "abc");
        QVERIFY(signals_ == "wiii" && bench.itemAction() == url("abc"));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(signals_ == "wiiiic" && bench.history.UndoCount() == 2 && bench.panel.hasPendingChange());
        bench.scene.undo();
        QVERIFY(bench.itemAction() == url("") && field->text().isEmpty());
        bench.scene.undo();
        QVERIFY(bench.itemAction().IsNull());
    }

    void undoReadsTheActionInTheVersionItWasWritten()
    {
        // A new page has no template version: undo still reads its own records as written.
        PanelBench bench;
        const CKorvexAction byIndex = make<CKorvexActionSceneState>(3);
        dynamic_cast<CKorvexActionEnabled*>(bench.image)->SetAction(byIndex);
        bench.scene.showInPanel(bench.image);
        QVERIFY(pick(child<QComboBox>(bench.editor, "actionComboBox"), "URL"));
        while (bench.history.CanUndo())
            bench.scene.undo();
        QVERIFY(bench.itemAction() == byIndex);
    }

    void panelActionSurvivesSaveAndOpen()
    {
        PanelBench bench;
        pick(child<QComboBox>(bench.editor, "actionComboBox"), "Multi Actions");
        const std::vector<CKorvexAction> actions{make<CKorvexActionSceneState>(2), url("https://a.example")};
        KorvexScriptedPrompt prompt;
        prompt.answerDialog([&](QDialog& list) {
            static_cast<KorvexReverseActionDialog&>(list).SetActions(actions);
            return int(QDialog::Accepted);
        });
        click(child<QAbstractButton>(bench.editor, "openFileButton"));
        toggle(child<QAbstractButton>(bench.editor, "randomlyPickActionRadioButton"));
        KorvexToolFixtures::Folder folder;
        QVERIFY(bench.scene.writeTemplate(folder.path("page.ktf")));
        const QString stored = bench.scene.itemProperties(bench.image).value("action").toString();
        const KorvexToolFixtures::Run info = folder.run({"info", "page.ktf"});
        QVERIFY(info.status == 0 && info.outputLines().contains("  action:" + stored));
        CKorvexDesignerScene reopened;
        QVERIFY(reopened.readTemplate(folder.path("page.ktf")));
        QVERIFY(dynamic_cast<CKorvexActionEnabled*>(reopened.pageItems().first())->GetAction()
                == multi(actions, TriggerRandom));
    }

    void listLinesCutLongTexts_data()
    {
        QTest::addColumn<CKorvexAction>("action");
        QTest::addColumn<QString>("line");
        const char* twenty = "01234567890123456789";
        const QString cut = "\"01234567890123456789...\"";
        QTest::newRow("script of 20") << make<CKorvexActionAnnot3DScript>("0123456789\n0123456789")
                                      << "Script ( " + cut + " )";
        QTest::newRow("title of 20, text of 21") << make<CKorvexActionMessageBox>(twenty, "012345678901234567890")
            << "Message Box ( Title = \"" + QString(twenty) + "\" , Message = " + cut + ")";
        QTest::newRow("column of 21") << make<CKorvexActionPrepopulateFormTextBox>("012345678901234567890")
                                      << "Pre-populate Form Text Box ( Attribute Key Name = " + cut + ")";
        QTest::newRow("url of 16") << url("http://a.example") << "Url ( http://a.example )";
        QTest::newRow("url of 17") << url("http://ab.example") << "Url ( http://ab.example... )";
        QTest::newRow("negative index") << make<CKorvexActionSceneState>(-4) << "Scene State ( Index = 1 )";
        QTest::newRow("range") << make<CKorvexActionAnimationPlay>(false, 2, 9)
                               << "Animation Play ( From = \"2\" , To = \"9\")";
    }

    void listLinesCutLongTexts()
    {
        QFETCH(CKorvexAction, action);
        QFETCH(QString, line);
        QCOMPARE(KorvexReverseActionDialog::actionLine(action), line);
    }

    void listEditsReordersAndRemoves()
    {
        KorvexReverseActionDialog dialog;
        dialog.show();
        auto* list = child<QListWidget>(&dialog, "lstActionsList");
        dialog.SetActions({make<CKorvexActionSceneState>(0), make<CKorvexActionSceneState>(1)});
        KorvexScriptedPrompt prompt;
        click(child<QAbstractButton>(&dialog, "btnRemoveAction"));
        QCOMPARE(prompt.messages().first().title + '|' + prompt.messages().first().text,
                 QString("Select item|Please select an item to remove."));
        for (const char* button : {"okButton", "cancelButton"}) {
            answerEditor(prompt, "Animation Stop", {button});
            click(child<QAbstractButton>(&dialog, "btnAddNewAction"));
        }
        answerEditor(prompt, "None");
        click(child<QAbstractButton>(&dialog, "btnAddNewAction"));
        const QStringList added{"Scene State ( Index = 1 )", "Scene State ( Index = 2 )", "Animation Stop"};
        QCOMPARE(lines(list), added);
        clickRow(list, 0);
        click(child<QAbstractButton>(&dialog, "btnMoveUp"));
        clickRow(list, 2);
        click(child<QAbstractButton>(&dialog, "btnMoveDown"));
        QCOMPARE(lines(list), added);
        click(child<QAbstractButton>(&dialog, "btnMoveUp"));
        QVERIFY(lines(list) == QStringList({added[0], added[2], added[1]}) && list->currentRow() == 1);
        click(child<QAbstractButton>(&dialog, "btnRemoveAction"));
        answerEditor(prompt, "Animation Play", {"cancelButton"});
        clickRow(list, 1, true);
        answerEditor(prompt, "None");
        clickRow(list, 1, true);
        QCOMPARE(lines(list), QStringList({added[0]}));
        dialog.SetActions({multi({make<CKorvexActionAnimationStop>(), make<CKorvexActionAnimationPlay>()})});
        QCOMPARE(lines(list), QStringList({"Multi Action ( 2 )"}));
        // A nested multi action is edited through a further list, kept however that list closes.
        answerEditor(prompt, "", {"openFileButton", "okButton"});
        prompt.answerDialog([](QDialog& further) {
            child<QListWidget>(&further, "lstActionsList")->setCurrentRow(0);
            click(child<QAbstractButton>(&further, "btnRemoveAction"));
            return int(QDialog::Rejected);
        });
        clickRow(list, 0, true);
        QCOMPARE(prompt.dialogs().mid(5), QStringList({"ActionDialog", "ReverseActionDialog"}));
        QCOMPARE(lines(list), QStringList({"Multi Action ( 1 )"}));
    }

    void scriptImportedAsUtf8()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("show.js"), script = "scene.show(\"Größe €\");\n";
        QVERIFY(KorvexTestFiles::writeFile(file, script.toUtf8()));
        CKorvexActionWidget editor;
        pick(child<QComboBox>(&editor, "actionComboBox"), "Script");
        KorvexScriptedPrompt prompt;
        for (const QString& chosen : {file, dir.filePath("unreadable.js")}) {
            prompt.answerFile(chosen);
            prompt.answerDialog([](QDialog& dialog) {
                click(child<QAbstractButton>(&dialog, "importButton"));
                click(child<QAbstractButton>(&dialog, "okButton"));
                return dialog.result();
            });
            click(child<QAbstractButton>(&editor, "openFileButton"));
            QVERIFY(editor.GetAction() == make<CKorvexActionAnnot3DScript>(fromQString(script)));
        }
        const auto& files = prompt.files();
        QVERIFY(files.at(0).title == "Import JavaScript File" && files.at(0).filter == "JavaScript ( *.js )");
        QCOMPARE(files.at(1).startPath, file);
    }
};

KORVEX_TEST_MAIN(TestActionWidget)
#include "tst_actionwidget.moc"
