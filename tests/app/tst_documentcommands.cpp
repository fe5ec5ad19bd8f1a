#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "app/CKorvexBusyPopup.h"
#include "app/CKorvexCommandLine.h"
#include "app/CKorvexStartup.h"
#include "app/DesignerMainWindow.h"
#include "core/CKorvexUndoManager.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexPropertyPanel.h"
#include "services/CKorvexProductInfo.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

using Korvex::CKorvexUndoManager;

namespace {

const QString appTitle = QStringLiteral("Korvex Template Designer");
const QString filter = QStringLiteral("Korvex Template File (*.ktf)");
const QString modifiedText = QStringLiteral("The document has been modified.\nDo you want to save your changes?");

QList<QPointF> livePositions(const CKorvexDesignerScene* scene)
{
    QList<QPointF> result;
    const auto all = scene->pageItems();
    for (const QGraphicsItem* item : all) {
        const auto* deletable = dynamic_cast<const CKorvexDeletableItem*>(item);
        if (item->isVisible() && deletable && !deletable->isDeleted())
            result.append(item->pos());
    }
    return result;
}

class PendingPanel : public CKorvexPropertyPanel
{
public:
    void showItem(QGraphicsItem*) override {}
    void refresh() override {}
    void openEditor(QGraphicsItem*) override {}
    bool hasPendingChange() const override { return m_pending; }
    void setPendingChange(bool pending) override { m_pending = pending; }

private:
    bool m_pending = false;
};

QString storedSetting(const QString& key)
{
    return CKorvexProductInfo::openSettings()->value(QStringLiteral("Designer/") + key).toString();
}

} // namespace

class TestDocumentCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void saveOnAnUntitledDocumentAsksOnce();
    void failedSaveKeepsTheTargetInTheTitle();
    void saveAsTitles_data();
    void saveAsTitles();
    void anyOfThreeFlagsAsks_data();
    void anyOfThreeFlagsAsks();
    void cancelInThePromptChangesNothing();
    void openAsksOnlyAfterAFileIsChosen();
    void savingFromThePromptGoesOn();
    void exitWithSaveThenCancelledDialogStillExits();
    void exitCancelledKeepsTheWindow();
    void exitWithoutChangesWritesSettings();
    void newWithoutChangesShowsThePageSizeDialog();
    void newAcceptedGivesAnEmptyPage();
    void openRestoresASavedTemplate();
    void openFailureIsReported();
    void commandLineOpensAnExistingTemplate();
    void commandLineWithoutPathRunsNew();
    void packageSavePathIsCarriedThrough();

private:
    /// Saves two rectangles into a template and returns its path.
    QString savedTemplate(const QString& name);

    QTemporaryDir m_folder;
    std::unique_ptr<DesignerMainWindow> m_window;
    CKorvexDesignerScene* m_scene = nullptr;
};

void TestDocumentCommands::init()
{
    KorvexTestEnvironment::clearSettings();
    m_window = std::make_unique<DesignerMainWindow>();
    m_scene = m_window->scene();
}

void TestDocumentCommands::cleanup()
{
    m_window.reset();
    m_scene = nullptr;
}

QString TestDocumentCommands::savedTemplate(const QString& name)
{
    DesignerMainWindow author;
    author.scene()->createItem(QStringLiteral("rect"), QPointF(40, 60));
    author.scene()->createItem(QStringLiteral("line"), QPointF(200, 300));
    const QString path = m_folder.filePath(name);
    KorvexScriptedPrompt prompt;
    prompt.answerFile(path);
    author.onSaveAs();
    if (!QFile::exists(path) || !author.currentFile().endsWith(name))
        qFatal("template not saved");
    return path;
}

void TestDocumentCommands::saveOnAnUntitledDocumentAsksOnce()
{
    m_scene->createItem(QStringLiteral("rect"), QPointF(40, 60));
    m_window->setDirty();
    const QString path = m_folder.filePath(QStringLiteral("first.ktf"));
    KorvexScriptedPrompt prompt;
    prompt.answerFile(path);
    m_window->ui().actionSave->trigger();

    QCOMPARE(prompt.files().size(), 1);
    const CKorvexFileRequest request = prompt.files().first();
    QCOMPARE(request.mode, CKorvexFileRequest::Save);
    QCOMPARE(request.title, QStringLiteral("Save Template File"));
    QCOMPARE(request.filter, filter);
    QCOMPARE(request.startPath, QDir::homePath());
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_window->currentFile(), path);
    QCOMPARE(m_window->savePath(), path);
    QCOMPARE(m_window->windowTitle(), appTitle + " - " + path);
    QVERIFY(!m_window->isModified());
    QCOMPARE(storedSetting(QStringLiteral("savepath")), path);

    auto* popup = m_window->findChild<CKorvexBusyPopup*>();
    QVERIFY(popup);
    QCOMPARE(popup->text(), QStringLiteral("   <b>Saving...Please wait </b>   "));
    QVERIFY(popup->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!popup->isVisible());

    QVERIFY(QFile::remove(path));
    m_window->ui().toolSaveFile->trigger();
    QCOMPARE(prompt.files().size(), 1);
    QVERIFY(QFile::exists(path));
    QVERIFY(prompt.messages().isEmpty());
}

void TestDocumentCommands::failedSaveKeepsTheTargetInTheTitle()
{
    m_window->setDirty();
    const QString target = m_folder.filePath(QStringLiteral("no/such/folder/page.ktf"));
    KorvexScriptedPrompt prompt;
    prompt.answerFile(target);
    m_window->onSave();

    QCOMPARE(prompt.messages().size(), 1);
    const CKorvexMessageRequest message = prompt.messages().first();
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.title, appTitle);
    QCOMPARE(message.text, QStringLiteral("Unable to save the file."));
    QCOMPARE(message.buttons, QStringList{QStringLiteral("Ok")});
    QCOMPARE(m_window->currentFile(), QString());
    QCOMPARE(m_window->windowTitle(), appTitle + " - " + target);
    QVERIFY(m_window->isModified());
    QVERIFY(!m_window->findChild<CKorvexBusyPopup*>()->isVisible());

    // The next Save asks for a name again, starting where the failed one pointed.
    m_window->onSave();
    QCOMPARE(prompt.files().size(), 2);
    QCOMPARE(prompt.files().last().startPath, target);
}

void TestDocumentCommands::saveAsTitles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("saved");
    QTest::newRow("written") << "page.ktf" << true;
    QTest::newRow("unwritable") << "missing/page.ktf" << false;
}

void TestDocumentCommands::saveAsTitles()
{
    QFETCH(QString, name);
    QFETCH(bool, saved);
    const QString target = m_folder.filePath(name);
    m_window->setDirty();
    KorvexScriptedPrompt prompt;
    prompt.answerFile(target);
    m_window->ui().actionSave_As->trigger();

    QCOMPARE(prompt.files().first().title, QStringLiteral("Save Template File"));
    QCOMPARE(m_window->savePath(), target);
    QCOMPARE(m_window->currentFile(), saved ? target : QString());
    QCOMPARE(m_window->windowTitle(), appTitle + " - " + (saved ? target : QString()));
    QCOMPARE(m_window->isDirty(), !saved);
    QCOMPARE(prompt.messages().size(), saved ? 0 : 1);
    QCOMPARE(storedSetting(QStringLiteral("savepath")), target);
    // Save As shows no busy pop-up.
    QVERIFY(!m_window->findChild<CKorvexBusyPopup*>());
    QCOMPARE(QFile::exists(target), saved);
}

void TestDocumentCommands::anyOfThreeFlagsAsks_data()
{
    QTest::addColumn<int>("flag");
    QTest::newRow("window dirty") << 0;
    QTest::newRow("scene modified") << 1;
    QTest::newRow("panel pending") << 2;
}

void TestDocumentCommands::anyOfThreeFlagsAsks()
{
    QFETCH(int, flag);
    PendingPanel panel;
    m_scene->setPropertyWidget(&panel);
    QVERIFY(!m_window->isModified());
    m_window->setDirty(flag == 0);
    m_scene->setModified(flag == 1);
    panel.setPendingChange(flag == 2);
    QVERIFY(m_window->isModified());
    KorvexScriptedPrompt prompt;
    prompt.answerMessage(QStringLiteral("Discard"));
    m_window->onNew();
    QCOMPARE(prompt.messages().size(), 1);
    m_scene->setPropertyWidget(nullptr);
}

void TestDocumentCommands::cancelInThePromptChangesNothing()
{
    m_scene->createItem(QStringLiteral("rect"), QPointF(40, 60));
    m_window->setDirty();
    const QString title = m_window->windowTitle();
    KorvexScriptedPrompt prompt;
    prompt.answerMessage(QStringLiteral("Cancel"));
    m_window->ui().actionNew->trigger();

    QCOMPARE(prompt.messages().size(), 1);
    const CKorvexMessageRequest message = prompt.messages().first();
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.title, appTitle);
    QCOMPARE(message.text, modifiedText);
    QCOMPARE(message.buttons, QStringList({"Save", "Discard", "Cancel"}));
    QCOMPARE(message.defaultButton, 0);
    QCOMPARE(message.escapeButton, 2);
    QVERIFY(prompt.dialogs().isEmpty());
    QCOMPARE(livePositions(m_scene).size(), 1);
    QCOMPARE(m_window->windowTitle(), title);
    QVERIFY(m_window->isDirty());
    QVERIFY(CKorvexUndoManager::getInstance().CanUndo());
}

void TestDocumentCommands::openAsksOnlyAfterAFileIsChosen()
{
    const QString path = savedTemplate(QStringLiteral("chosen.ktf"));
    m_scene->createItem(QStringLiteral("rect"), QPointF(40, 60));
    m_scene->setModified();
    KorvexScriptedPrompt prompt;
    prompt.answerFile(QString());
    m_window->ui().actionOpen->trigger();
    QCOMPARE(prompt.files().first().mode, CKorvexFileRequest::Open);
    QCOMPARE(prompt.files().first().title, QStringLiteral("Open Template File"));
    QCOMPARE(prompt.files().first().filter, filter);
    QCOMPARE(prompt.files().first().startPath, QDir::homePath());
    QVERIFY(prompt.messages().isEmpty());

    prompt.answerFile(path);
    prompt.answerMessage(QStringLiteral("Cancel"));
    m_window->ui().toolOpenFile->trigger();
    QCOMPARE(prompt.messages().size(), 1);
    QCOMPARE(prompt.messages().first().title, appTitle);
    QCOMPARE(livePositions(m_scene), QList<QPointF>{QPointF(40, 60)});
    QCOMPARE(m_window->currentFile(), QString());
    QCOMPARE(m_window->openPath(), QString());
    QVERIFY(m_window->isModified());
}

void TestDocumentCommands::savingFromThePromptGoesOn()
{
    m_scene->createItem(QStringLiteral("rect"), QPointF(40, 60));
    m_window->setDirty();
    const QString path = m_folder.filePath(QStringLiteral("before-new.ktf"));
    KorvexScriptedPrompt prompt;
    prompt.answerMessage(QStringLiteral("Save"));
    prompt.answerFile(path);
    m_window->onNew();
    QVERIFY(QFile::exists(path));
    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPageSize")});
    QCOMPARE(m_window->currentFile(), QString());
    QCOMPARE(m_window->windowTitle(), appTitle + " - New Document");
}

void TestDocumentCommands::exitWithSaveThenCancelledDialogStillExits()
{
    m_window->show();
    m_window->setDirty();
    const QStringList filesBefore = QDir(m_folder.path()).entryList(QDir::Files);
    KorvexScriptedPrompt prompt;
    prompt.answerMessage(QStringLiteral("Save"));
    prompt.answerFile(QString());
    m_window->ui().actionExit->trigger();
    QCOMPARE(prompt.messages().first().title, QStringLiteral("Save Template"));
    QCOMPARE(prompt.messages().first().text, modifiedText);
    QCOMPARE(prompt.files().size(), 1);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), filesBefore);
    QVERIFY(CKorvexProductInfo::openSettings()->contains(QStringLiteral("Designer/geometry")));
}

void TestDocumentCommands::exitCancelledKeepsTheWindow()
{
    m_window->show();
    m_scene->setModified();
    KorvexScriptedPrompt prompt;
    prompt.answerMessage(QStringLiteral("Cancel"));
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QCOMPARE(prompt.messages().size(), 1);
    QVERIFY(!CKorvexProductInfo::openSettings()->contains(QStringLiteral("Designer/geometry")));

    prompt.answerMessage(QStringLiteral("Discard"));
    QVERIFY(m_window->close());
    QVERIFY(CKorvexProductInfo::openSettings()->contains(QStringLiteral("Designer/geometry")));
}

void TestDocumentCommands::exitWithoutChangesWritesSettings()
{
    m_window->show();
    m_window->setDocumentPaths(QStringLiteral("/some/page.ktf"));
    KorvexScriptedPrompt prompt;
    m_window->onExit();
    QVERIFY(prompt.messages().isEmpty());
    QVERIFY(!m_window->isVisible());
    QCOMPARE(storedSetting(QStringLiteral("openpath")), QStringLiteral("/some/page.ktf"));
    QCOMPARE(storedSetting(QStringLiteral("savepath")), QStringLiteral("/some/page.ktf"));
}

void TestDocumentCommands::newWithoutChangesShowsThePageSizeDialog()
{
    m_scene->createItem(QStringLiteral("rect"), QPointF(40, 60));
    m_scene->setModified(false);
    m_window->ui().toolRectangle->trigger();
    KorvexScriptedPrompt prompt;
    m_window->ui().toolNewFile->trigger();
    QVERIFY(prompt.messages().isEmpty());
    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPageSize")});
    QCOMPARE(livePositions(m_scene).size(), 1);
    QCOMPARE(m_window->windowTitle(), appTitle + " - New Document");
    QVERIFY(!CKorvexUndoManager::getInstance().CanUndo());
    QVERIFY(m_window->ui().toolPointer->isChecked());
    QCOMPARE(m_scene->creationType(), QString());
}

void TestDocumentCommands::newAcceptedGivesAnEmptyPage()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_scene->createItem(QStringLiteral("rect"), QPointF(40, 60));
    m_window->setDirty();
    KorvexScriptedPrompt prompt;
    prompt.answerMessage(QStringLiteral("Discard"));
    prompt.answerDialog([](QDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("widthSpinBox"))->setValue(4000);
        dialog.findChild<QSpinBox*>(QStringLiteral("heightSpinBox"))->setValue(3000);
        return int(QDialog::Accepted);
    });
    m_window->onNew();
    QVERIFY(livePositions(m_scene).isEmpty());
    QCOMPARE(m_scene->screen()->width(), 4000.0);
    QVERIFY(!m_window->isModified());
    // A page several times the view's size is shown whole.
    QVERIFY(m_window->zoomPercent() < 100);
}

void TestDocumentCommands::openRestoresASavedTemplate()
{
    const QString path = savedTemplate(QStringLiteral("restored.ktf"));
    KorvexScriptedPrompt prompt;
    prompt.answerFile(path);
    m_window->onOpen();
    QVERIFY(prompt.messages().isEmpty());
    QCOMPARE(livePositions(m_scene), QList<QPointF>({QPointF(40, 60), QPointF(200, 300)}));
    QCOMPARE(m_window->currentFile(), path);
    QCOMPARE(m_window->openPath(), path);
    QCOMPARE(m_window->windowTitle(), appTitle + " - " + path);
    QVERIFY(!m_window->isModified());
    QVERIFY(!CKorvexUndoManager::getInstance().CanUndo());
    QCOMPARE(storedSetting(QStringLiteral("openpath")), path);

    // The next Open starts at the file last opened.
    prompt.answerFile(QString());
    m_window->onOpen();
    QCOMPARE(prompt.files().last().startPath, path);
}

void TestDocumentCommands::openFailureIsReported()
{
    const QString path = m_folder.filePath(QStringLiteral("broken.ktf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("PK\x03\x04 this is no package");
    file.close();
    m_window->setDirty();
    KorvexScriptedPrompt prompt;
    prompt.answerFile(path);
    prompt.answerMessage(QStringLiteral("Discard"));
    m_window->onOpen();
    QCOMPARE(prompt.messages().size(), 2);
    const CKorvexMessageRequest failure = prompt.messages().last();
    QCOMPARE(failure.title, appTitle);
    QCOMPARE(failure.text, QStringLiteral("Unable to open the template file."));
    QCOMPARE(failure.icon, QMessageBox::Warning);
    QCOMPARE(m_window->windowTitle(), appTitle + " - New Document");
    QCOMPARE(m_window->openPath(), QString());
    QVERIFY(!m_window->isDirty());
}

void TestDocumentCommands::commandLineOpensAnExistingTemplate()
{
    const QString path = savedTemplate(QStringLiteral("from-command-line.ktf"));
    KorvexScriptedPrompt prompt;
    CKorvexStartup::applyCommandLine(*m_window, CKorvexCommandLine::evaluate({QStringLiteral("designer"), path}));
    QVERIFY(m_window->isVisible());
    QVERIFY(prompt.dialogs().isEmpty());
    QCOMPARE(livePositions(m_scene).size(), 2);
    QCOMPARE(m_window->currentFile(), path);
    QCOMPARE(m_window->windowTitle(), appTitle + " - " + path);
    QCOMPARE(storedSetting(QStringLiteral("openpath")), path);
}

void TestDocumentCommands::commandLineWithoutPathRunsNew()
{
    KorvexScriptedPrompt prompt;
    CKorvexStartup::applyCommandLine(*m_window, CKorvexCommandLine::evaluate({QStringLiteral("designer")}));
    QVERIFY(m_window->isVisible());
    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPageSize")});
    QCOMPARE(m_window->windowTitle(), appTitle + " - New Document");

    // A path that names nothing yet is proposed by the first Save.
    const QString later = m_folder.filePath(QStringLiteral("later.ktf"));
    DesignerMainWindow window;
    CKorvexStartup::applyCommandLine(window, CKorvexCommandLine::evaluate({QStringLiteral("designer"), later}));
    QCOMPARE(prompt.dialogs().size(), 2);
    prompt.answerFile(later);
    window.onSave();
    QCOMPARE(prompt.files().last().startPath, later);
    QVERIFY(QFile::exists(later));
}

void TestDocumentCommands::packageSavePathIsCarriedThrough()
{
    CKorvexProductInfo::openSettings()->setValue(QStringLiteral("Designer/packagesavepath"),
                                                 QStringLiteral("/packages"));
    m_window->readSettings();
    const QString path = m_folder.filePath(QStringLiteral("carried.ktf"));
    KorvexScriptedPrompt prompt;
    prompt.answerFile(path);
    m_window->onSave();
    QCOMPARE(storedSetting(QStringLiteral("packagesavepath")), QStringLiteral("/packages"));
    QCOMPARE(storedSetting(QStringLiteral("savepath")), path);
    QCOMPARE(storedSetting(QStringLiteral("openpath")), QString());
}

KORVEX_TEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
