#include "KorvexScriptedPrompt.h"
#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "properties/CKorvexBusyPopup.h"
#include "app/CKorvexCommandLine.h"
#include "app/CKorvexStartup.h"
#include "app/DesignerMainWindow.h"
#include "core/CKorvexUndoManager.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "properties/CKorvexPropertyWidget.h"
#include "services/CKorvexProductInfo.h"
#include "services/CKorvexRecentFiles.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

using Korvex::CKorvexUndoManager;

namespace {

const QString modified = QStringLiteral("The document has been modified.\nDo you want to save your changes?"
                                        "|Save,Discard,Cancel|0/2");

/// Icon, title, text, buttons, default and escape button of each message box.
QStringList describe(const QList<CKorvexMessageRequest>& messages)
{
    QStringList result;
    for (const CKorvexMessageRequest& m : messages)
        result << QStringLiteral("%1|%2|%3|%4|%5/%6")
                      .arg(int(m.icon)).arg(m.title, m.text, m.buttons.join(','))
                      .arg(m.defaultButton).arg(m.escapeButton);
    return result;
}

} // namespace

class TestDocumentCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void commandLine_data();
    void commandLine();
    void startup_data();
    void startup();
    void save_data();
    void save();
    void newDocument_data();
    void newDocument();
    void open_data();
    void open();
    void exit_data();
    void exit();
    void exportDrawsWhatRenderDraws();
    void recentFilesNewestFirst();

private:
    /// Title end, current file, open and save paths, stored open and save paths, modified; folder paths shortened.
    QString state() const;
    QList<QPointF> livePositions() const;

    QTemporaryDir m_folder;
    QString m_template; // a rectangle at (40, 60) and a line at (200, 300)
    QString m_missing;  // names nothing
    std::unique_ptr<DesignerMainWindow> m_window;
    CKorvexDesignerScene* m_scene = nullptr;
};

void TestDocumentCommands::initTestCase()
{
    m_template = m_folder.filePath(QStringLiteral("saved.ktf"));
    CKorvexDesignerScene scene;
    scene.createItem(QStringLiteral("rect"), QPointF(40, 60));
    scene.createItem(QStringLiteral("line"), QPointF(200, 300));
    QVERIFY(scene.writeTemplate(m_template));
    QVERIFY(KorvexTestFiles::writeFile(m_folder.filePath(QStringLiteral("broken.ktf")), "PK\x03\x04 no package"));
    QVERIFY(KorvexTestFiles::writePng(m_folder.filePath(QStringLiteral("preview.dat")), QSize(7, 5)));
    QVERIFY(KorvexTestFiles::writeFile(m_folder.filePath(QStringLiteral("bad.png")), "not a picture"));
    m_missing = m_folder.filePath(QStringLiteral("absent.ktf"));
}

void TestDocumentCommands::init()
{
    KorvexTestEnvironment::clearSettings();
    m_window = std::make_unique<DesignerMainWindow>();
    m_scene = m_window->scene();
}

QString TestDocumentCommands::state() const
{
    const auto settings = CKorvexProductInfo::openSettings();
    QString text = QStringLiteral("%1; file %2; open %3; save %4; stored %5, %6; %7")
                       .arg(m_window->windowTitle().remove(QStringLiteral("Korvex Template Designer - ")),
                            m_window->currentFile(), m_window->openPath(), m_window->savePath(),
                            settings->value("Designer/openpath").toString(),
                            settings->value("Designer/savepath").toString(),
                            m_window->isModified() ? QStringLiteral("modified") : QStringLiteral("clean"));
    return text.replace(m_folder.path() + '/', QString());
}

QList<QPointF> TestDocumentCommands::livePositions() const
{
    QList<QPointF> result;
    const auto all = m_scene->pageItems();
    for (const QGraphicsItem* item : all) {
        const auto* deletable = dynamic_cast<const CKorvexDeletableItem*>(item);
        if (item->isVisible() && deletable && !deletable->isDeleted())
            result.append(item->pos());
    }
    return result;
}

void TestDocumentCommands::commandLine_data()
{
    QTest::addColumn<QString>("arguments"); // after the program; @f the template, @m a missing file, @d the folder
    QTest::addColumn<QString>("expected");  // on top, preview image, start, remaining arguments after the program
    QTest::newRow("switches in capitals") << "-ALWAYSONTOP -PARENTPATH x -ANNOT3DPREVIEWIMAGE a.png" << "1|a.png|new|";
    QTest::newRow("switch must match whole") << "-alwaysontopx" << "0|-|path|-alwaysontopx";
    QTest::newRow("only first occurrence") << "-alwaysontop -AlwaysOnTop" << "1|-|path|-AlwaysOnTop";
    QTest::newRow("parent path and value") << "-parentPath C:/x @m" << "0|-|path|@m";
    QTest::newRow("preview last") << "@f -annot3DPreviewImage" << "0|-|open|@f";
    QTest::newRow("value removed before switch") << "-parentPath -annot3DPreviewImage a.png" << "0|-|path|a.png";
    QTest::newRow("on top taken before parent path's value") << "-parentPath -alwaysontop @f" << "1|-|new|";
    QTest::newRow("all switches") << "-annot3DPreviewImage i.png -alwaysontop @f -parentPath x" << "1|i.png|open|@f";
    QTest::newRow("directory") << "@d" << "0|-|path|@d";
    QTest::newRow("two paths, first wins") << "@m @f" << "0|-|path|@m @f";
}

void TestDocumentCommands::commandLine()
{
    QFETCH(QString, arguments);
    QFETCH(QString, expected);
    arguments.replace("@f", m_template).replace("@m", m_missing).replace("@d", m_folder.path());
    const auto line = CKorvexCommandLine::evaluate(QStringList{"designer"} + arguments.split(' ', Qt::SkipEmptyParts));
    QString remaining = line.remaining().mid(1).join(' ');
    remaining.replace(m_template, "@f").replace(m_missing, "@m").replace(m_folder.path(), "@d");
    const char* starts[] = {"new", "open", "path"};
    QCOMPARE(QStringList({QString::number(line.alwaysOnTop()), line.hasPreviewImage() ? line.previewImagePath() : "-",
                          starts[int(line.start())], remaining}).join('|'), expected);
    QCOMPARE(line.remaining().value(0) + line.templatePath(), "designer" + line.remaining().value(1));
    QVERIFY(line.hasPreviewImage() || line.previewImagePath().isEmpty());
    // The program itself is never a switch, even when named like one; no program at all is no path.
    QVERIFY(!CKorvexCommandLine::evaluate({QStringLiteral("-alwaysontop")}).alwaysOnTop());
    QCOMPARE(CKorvexCommandLine::evaluate({}).start(), CKorvexCommandLine::Start::NewDocument);
}

void TestDocumentCommands::startup_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program; "@" stands for the folder
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QSize>("preview");
    const QString fresh = "New Document; file ; open ; save ; stored , ; clean";
    const QString opened = "saved.ktf; file saved.ktf; open saved.ktf; save ; stored saved.ktf, ; clean";
    const QString remembered = "New Document; file ; open absent.ktf; save absent.ktf; stored , ; clean";
    using L = QStringList;
    QTest::newRow("nothing runs New") << L{} << fresh << false << QSize();
    QTest::newRow("existing template opened") << L{m_template} << opened << false << QSize();
    QTest::newRow("new path remembered, then New") << L{m_missing} << remembered << false << QSize();
    QTest::newRow("on top keeps other flags") << L{"-AlwaysOnTop"} << fresh << true << QSize();
    QTest::newRow("preview read by content") << L{"-annot3DPreviewImage", " @/preview.dat "} << fresh << false
                                             << QSize(7, 5);
    QTest::newRow("unreadable preview") << L{"-annot3DPreviewImage", "@/bad.png"} << fresh << false << QSize();
}

void TestDocumentCommands::startup()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, state);
    QFETCH(bool, onTop);
    QFETCH(QSize, preview);
    arguments.replaceInStrings(QStringLiteral("@"), m_folder.path());
    m_window->readSettings();
    m_window->setWindowFlag(Qt::WindowContextHelpButtonHint);
    KorvexScriptedPrompt prompt;
    CKorvexStartup::applyCommandLine(*m_window, CKorvexCommandLine::evaluate(QStringList{"designer"} + arguments));

    const bool opened = state.startsWith("saved.ktf");
    QVERIFY(m_window->isVisible());
    QCOMPARE(prompt.dialogs(), opened ? QStringList() : QStringList{"CKorvexPageSize"});
    QCOMPARE(this->state(), state);
    QCOMPARE(livePositions().size(), opened ? 2 : 0);
    QCOMPARE(bool(m_window->windowFlags() & Qt::WindowStaysOnTopHint), onTop);
    QVERIFY(m_window->windowFlags() & Qt::WindowContextHelpButtonHint);
    const QImage picture = m_scene->context().preview3DImage();
    QCOMPARE(picture.isNull() ? QSize() : picture.size(), preview);
}

void TestDocumentCommands::save_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("state");
    const QString failed = "; file ; open ; save no/page.ktf; stored , no/page.ktf; modified";
    const QString written = "page.ktf; file page.ktf; open ; save page.ktf; stored , page.ktf; clean";
    QTest::newRow("Save writes") << "actionSave" << "page.ktf" << written;
    QTest::newRow("Save fails") << "toolSaveFile" << "no/page.ktf" << "no/page.ktf" + failed;
    QTest::newRow("Save As writes") << "actionSave_As" << "page.ktf" << written;
    QTest::newRow("Save As fails") << "actionSave_As" << "no/page.ktf" << failed;
}

void TestDocumentCommands::save()
{
    QFETCH(QString, command);
    QFETCH(QString, name);
    QFETCH(QString, state);
    const QString target = m_folder.filePath(name);
    const bool written = state.endsWith("clean");
    m_window->setDirty();
    KorvexScriptedPrompt prompt;
    prompt.answerFile(target);
    m_window->findChild<QAction*>(command)->trigger();

    const CKorvexFileRequest request = prompt.files().value(0);
    QCOMPARE(request.mode, CKorvexFileRequest::Save);
    QCOMPARE(request.title + '|' + request.filter + '|' + request.startPath,
             "Save Template File|Korvex Template File (*.ktf)|" + QDir::homePath());
    QCOMPARE(QFile::exists(target), written);
    QCOMPARE(this->state(), state);
    QCOMPARE(describe(prompt.messages()),
             written ? QStringList() : QStringList{"2|Korvex Template Designer|Unable to save the file.|Ok|0/0"});
    auto* popup = m_window->findChild<CKorvexBusyPopup*>();
    QCOMPARE(bool(popup), !command.contains("As"));
    QVERIFY(!popup || (popup->text() == "   <b>Saving...Please wait </b>   " && !popup->isVisible()));

    // The next Save writes the same file, or asks again where the failed one pointed.
    QFile::remove(target);
    prompt.answerFile(QString());
    m_window->onSave();
    QCOMPARE(prompt.files().size(), written ? 1 : 2);
    QCOMPARE(prompt.files().last().startPath, written ? QDir::homePath() : target);
    QCOMPARE(QFile::exists(target), written);
}

void TestDocumentCommands::newDocument_data()
{
    QTest::addColumn<int>("flag");       // 0 unchanged, 1 window dirty, 2 scene modified, 3 panel pending
    QTest::addColumn<QString>("answer"); // in the modified prompt
    QTest::addColumn<bool>("accepted");  // the page size dialog, 4000 x 3000
    QTest::addColumn<QString>("state");
    const QString fresh = "New Document; file ; open ; save ; stored , ; clean";
    QTest::newRow("unchanged") << 0 << "" << false << fresh;
    QTest::newRow("cancelled") << 1 << "Cancel" << false << "New Template; file ; open ; save ; stored , ; modified";
    QTest::newRow("discarded") << 2 << "Discard" << true << fresh;
    QTest::newRow("saved first") << 3 << "Save" << false
                                 << "New Document; file ; open ; save new.ktf; stored , new.ktf; clean";
}

void TestDocumentCommands::newDocument()
{
    QFETCH(int, flag);
    QFETCH(QString, answer);
    QFETCH(bool, accepted);
    QFETCH(QString, state);
    const QString saved = m_folder.filePath(QStringLiteral("new.ktf"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QGraphicsItem* rect = m_scene->createItem(QStringLiteral("rect"), QPointF(40, 60));
    m_scene->clearPendingChanges();
    m_scene->setModified(flag == 2);
    m_window->setDirty(flag == 1);
    if (flag == 3) {
        m_scene->showInPanel(rect);
        m_window->ui().propertyWidget->findChild<QSpinBox*>(QStringLiteral("locationXSpinBox"))->setValue(77);
    }
    m_window->ui().toolRectangle->trigger();
    KorvexScriptedPrompt prompt;
    prompt.answerMessage(answer);
    prompt.answerFile(saved);
    prompt.answerDialog([accepted](QDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("widthSpinBox"))->setValue(4000);
        dialog.findChild<QSpinBox*>(QStringLiteral("heightSpinBox"))->setValue(3000);
        return int(accepted ? QDialog::Accepted : QDialog::Rejected);
    });
    m_window->ui().actionNew->trigger();

    const bool goesOn = answer != "Cancel";
    QCOMPARE(describe(prompt.messages()), flag ? QStringList{"2|Korvex Template Designer|" + modified} : QStringList());
    QCOMPARE(prompt.dialogs().size(), goesOn ? 1 : 0);
    QCOMPARE(QFile::remove(saved), answer == "Save");
    QCOMPARE(this->state(), state);
    QCOMPARE(livePositions().size(), accepted ? 0 : 1);
    QCOMPARE(m_scene->screen()->width(), accepted ? 4000.0 : 500.0);
    QCOMPARE(CKorvexUndoManager::getInstance().CanUndo(), !goesOn);
    QCOMPARE(m_scene->creationType() + QString::number(m_window->ui().toolPointer->isChecked()),
             goesOn ? QStringLiteral("1") : QStringLiteral("rect0"));
    // A page several times the view's size is shown whole.
    QVERIFY(!accepted || m_window->zoomPercent() == 10);
}

void TestDocumentCommands::open_data()
{
    QTest::addColumn<QString>("file");   // chosen in the file chooser
    QTest::addColumn<QString>("answer"); // in the modified prompt
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("state");
    const QString kept = "New Template; file ; open ; save ; stored , ; modified";
    QTest::newRow("chooser cancelled") << "" << "" << "" << 1 << kept;
    QTest::newRow("prompt cancelled") << "saved.ktf" << "Cancel" << "" << 1 << kept;
    QTest::newRow("restored") << "saved.ktf" << "Discard" << "" << 2
                              << "saved.ktf; file saved.ktf; open saved.ktf; save ; stored saved.ktf, ; clean";
    QTest::newRow("broken") << "broken.ktf" << "Discard"
                            << "2|Korvex Template Designer|Unable to open the template file.|Ok|0/0"
                            << 0 << "New Document; file ; open ; save ; stored , ; clean";
}

void TestDocumentCommands::open()
{
    QFETCH(QString, file);
    QFETCH(QString, answer);
    QFETCH(QString, failure);
    QFETCH(int, items);
    QFETCH(QString, state);
    m_scene->createItem(QStringLiteral("rect"), QPointF(10, 10));
    m_scene->setModified();
    KorvexScriptedPrompt prompt;
    prompt.answerFile(file.isEmpty() ? QString() : m_folder.filePath(file));
    prompt.answerMessage(answer);
    m_window->ui().toolOpenFile->trigger();

    const CKorvexFileRequest request = prompt.files().value(0);
    QCOMPARE(request.mode, CKorvexFileRequest::Open);
    QCOMPARE(request.title + '|' + request.filter + '|' + request.startPath,
             "Open Template File|Korvex Template File (*.ktf)|" + QDir::homePath());
    QCOMPARE(prompt.messages().size(), file.isEmpty() ? 0 : failure.isEmpty() ? 1 : 2);
    QCOMPARE(describe(prompt.messages()).value(1), failure);
    QCOMPARE(this->state(), state);
    const QList<QPointF> all{QPointF(10, 10), QPointF(40, 60), QPointF(200, 300)}; // own item, then the template's
    QCOMPARE(livePositions(), all.mid(items == 1 ? 0 : 1, items));
    QCOMPARE(CKorvexUndoManager::getInstance().CanUndo(), items == 1);

    // The next Open starts at the file last opened.
    prompt.answerFile(QString());
    m_window->ui().actionOpen->trigger();
    QCOMPARE(prompt.files().last().startPath, items == 2 ? m_template : QDir::homePath());
}

void TestDocumentCommands::exit_data()
{
    QTest::addColumn<QString>("answer"); // in the modified prompt; none when unchanged
    QTest::addColumn<bool>("closes");
    QTest::newRow("unchanged") << "" << true;
    QTest::newRow("cancelled") << "Cancel" << false;
    QTest::newRow("discarded") << "Discard" << true;
    QTest::newRow("save, then cancelled file chooser") << "Save" << true;
}

void TestDocumentCommands::exit()
{
    QFETCH(QString, answer);
    QFETCH(bool, closes);
    const QString path = m_folder.filePath(QStringLiteral("exit.ktf"));
    m_window->show();
    m_window->setDocumentPaths(path);
    m_scene->setModified(!answer.isEmpty());
    KorvexScriptedPrompt prompt;
    prompt.answerMessage(answer);
    prompt.answerFile(QString());
    m_window->ui().actionExit->trigger();
    QCOMPARE(describe(prompt.messages()), answer.isEmpty() ? QStringList() : QStringList{"2|Save Template|" + modified});
    QCOMPARE(prompt.files().size(), answer == "Save" ? 1 : 0);
    QCOMPARE(m_window->isVisible(), !closes);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(CKorvexProductInfo::openSettings()->contains(QStringLiteral("Designer/geometry")), closes);
    const QString stored = closes ? QStringLiteral("exit.ktf") : QString();
    QVERIFY(state().contains("stored " + stored + ", " + stored + ";"));
}

void TestDocumentCommands::exportDrawsWhatRenderDraws()
{
    // The view as the user left it: zoomed, with the grid and a selected item.
    m_window->openTemplateFile(m_template);
    m_window->ui().zoomBox->setCurrentText(QStringLiteral("200%"));
    m_scene->screen()->setGridShown(true);
    m_scene->selectItem(m_scene->pageItems().first(), true);
    KorvexScriptedPrompt prompt;
    prompt.answerFile(m_folder.filePath(QStringLiteral("page")));
    m_window->ui().actionExport->trigger();
    const QString rendered = m_folder.filePath(QStringLiteral("rendered.png"));
    QCOMPARE(QProcess::execute(QStringLiteral(KORVEX_TEMPLATE_TOOL), {"render", m_template, rendered}), 0);
    QCOMPARE(QImage(m_folder.filePath(QStringLiteral("page.png"))), QImage(rendered));
}

void TestDocumentCommands::recentFilesNewestFirst()
{
    // Twelve templates opened in turn, then the third one again: the newest ten, each once.
    QStringList opened;
    for (int index = 0; index < 12; ++index) {
        opened.prepend(m_folder.filePath(QStringLiteral("recent%1.ktf").arg(index)));
        QFile::copy(m_template, opened.first());
        m_window->openTemplateFile(opened.first());
    }
    m_window->openTemplateFile(opened.at(9));
    opened.move(9, 0);
    QCOMPARE(CKorvexRecentFiles::files(), opened.mid(0, 10));
    const QList<QAction*> entries = m_window->ui().menuOpen_Recent->actions();
    // One that is gone leaves the list with a message; the next one opens.
    QFile::remove(opened.at(1));
    KorvexScriptedPrompt prompt;
    entries.at(1)->trigger();
    QCOMPARE(prompt.messages().value(0).text, "The template file " + opened.at(1) + " no longer exists.");
    m_window->ui().menuOpen_Recent->actions().at(1)->trigger();
    QCOMPARE(CKorvexRecentFiles::files(), QStringList({opened.at(2), opened.at(0)}) + opened.mid(3, 7));
}

KORVEX_TEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
