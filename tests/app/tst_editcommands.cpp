#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "app/DesignerMainWindow.h"
#include "core/CKorvexUndoManager.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexResizeHandle.h"
#include "scene/CKorvexResizeHandles.h"
#include "services/CKorvexProductInfo.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

using Korvex::CKorvexUndoManager;

namespace {

bool isLive(const QGraphicsItem* item)
{
    const auto* deletable = dynamic_cast<const CKorvexDeletableItem*>(item);
    return item->isVisible() && deletable && !deletable->isDeleted();
}

QList<QGraphicsItem*> liveItems(const CKorvexDesignerScene* scene)
{
    QList<QGraphicsItem*> result;
    const auto all = scene->pageItems();
    for (QGraphicsItem* item : all) {
        if (isLive(item))
            result.append(item);
    }
    return result;
}

// Answers the page size dialog with a pixel size, a resolution and a paper name.
KorvexScriptedPrompt::DialogScript pageSizeAnswer(int width, int height, const QString& dpi = QStringLiteral("72"),
                                                  int result = QDialog::Accepted)
{
    return [=](QDialog& dialog) {
        if (auto* resolution = dialog.findChild<QComboBox*>(QStringLiteral("resolutionStandardUnitsComboBox")))
            resolution->setCurrentText(dpi);
        dialog.findChild<QSpinBox*>(QStringLiteral("widthSpinBox"))->setValue(width);
        dialog.findChild<QSpinBox*>(QStringLiteral("heightSpinBox"))->setValue(height);
        return result;
    };
}

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void copyThenPasteIsOneUndoStep();
    void cutDeletesAndUndoRestores();
    void deleteHidesTheSelection();
    void stackingCommandsReachTheScene();
    void gridActionTogglesThePage();
    void pageSize_data();
    void pageSize();
    void pageSizeCancelledChangesNothing();
    void pageSizeDialogIsFilledFromThePage();
    void preferencesResizeHandles();
    void secondThreeDAreaIsRefused();
    void resetAsksForThePageSize();

private:
    QGraphicsItem* addRect(const QPointF& position);
    std::unique_ptr<DesignerMainWindow> m_window;
    CKorvexDesignerScene* m_scene = nullptr;
};

void TestEditCommands::init()
{
    KorvexTestEnvironment::clearSettings();
    QGuiApplication::clipboard()->clear();
    m_window = std::make_unique<DesignerMainWindow>();
    m_scene = m_window->scene();
}

void TestEditCommands::cleanup()
{
    m_window.reset();
    m_scene = nullptr;
}

QGraphicsItem* TestEditCommands::addRect(const QPointF& position)
{
    QGraphicsItem* item = m_scene->createItem(QStringLiteral("rect"), position);
    if (!item)
        qFatal("no rectangle");
    return item;
}

void TestEditCommands::copyThenPasteIsOneUndoStep()
{
    QGraphicsItem* original = addRect(QPointF(40, 60));
    const int steps = CKorvexUndoManager::getInstance().UndoCount();
    m_window->ui().actionCopy->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.startsWith(QStringLiteral("item begin")));
    QVERIFY(!m_window->isDirty());

    m_window->ui().actionPaste->trigger();
    QVERIFY(m_window->isDirty());
    const auto items = liveItems(m_scene);
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.last()->pos(), original->pos());
    QCOMPARE(CKorvexUndoManager::getInstance().UndoCount(), steps + 1);

    m_window->ui().actionUndo->trigger();
    QCOMPARE(liveItems(m_scene), QList<QGraphicsItem*>{original});
    m_window->ui().actionRedo->trigger();
    QCOMPARE(liveItems(m_scene).size(), 2);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void TestEditCommands::cutDeletesAndUndoRestores()
{
    QGraphicsItem* item = addRect(QPointF(40, 60));
    m_window->ui().actionCut->trigger();
    QVERIFY(!isLive(item));
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("type:rect")));
    m_window->ui().actionUndo->trigger();
    QVERIFY(isLive(item));
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("type:rect")));
}

void TestEditCommands::deleteHidesTheSelection()
{
    QGraphicsItem* kept = addRect(QPointF(40, 60));
    QGraphicsItem* deleted = addRect(QPointF(200, 60));
    m_window->ui().actionDelete->trigger();
    QVERIFY(isLive(kept));
    QVERIFY(!isLive(deleted));
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    m_window->ui().actionUndo->trigger();
    QVERIFY(isLive(deleted));
    m_window->ui().actionRedo->trigger();
    QVERIFY(!isLive(deleted));
}

void TestEditCommands::stackingCommandsReachTheScene()
{
    QGraphicsItem* first = addRect(QPointF(40, 60));
    QGraphicsItem* second = addRect(QPointF(80, 60));
    QCOMPARE(second->zValue(), 2.0);
    m_window->ui().toolSendBack->trigger();
    QCOMPARE(second->zValue(), 1.0);
    QCOMPARE(first->zValue(), 2.0);
    m_window->ui().actionBring_To_Front->trigger();
    QCOMPARE(second->zValue(), 2.0);
    m_window->ui().actionSend_To_Back->trigger();
    QCOMPARE(second->zValue(), 1.0);
    // Send to back is an undo step of its own.
    m_window->ui().actionUndo->trigger();
    QCOMPARE(second->zValue(), 2.0);
    QCOMPARE(first->zValue(), 1.0);
}

void TestEditCommands::gridActionTogglesThePage()
{
    QAction* grid = m_window->ui().actionGrid_2;
    QVERIFY(!m_scene->screen()->isGridShown());
    grid->trigger();
    QVERIFY(grid->isChecked());
    QVERIFY(m_scene->screen()->isGridShown());
    QVERIFY(CKorvexProductInfo::openSettings()->value(QStringLiteral("Designer/isGridShown")).toBool());
    grid->trigger();
    QVERIFY(!m_scene->screen()->isGridShown());
}

void TestEditCommands::pageSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("dirty");
    QTest::newRow("wider") << 1000 << 700 << true;
    QTest::newRow("narrower and taller") << 250 << 1400 << true;
    QTest::newRow("taller only") << 500 << 1400 << false;
    QTest::newRow("same size") << 500 << 700 << false;
}

void TestEditCommands::pageSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, dirty);

    auto* item = static_cast<CKorvexDesignerRect*>(addRect(QPointF(100, 140)));
    const QRectF before(item->pos(), QSizeF(item->width(), item->height()));
    CKorvexDesignerScreen* screen = m_scene->screen();
    KorvexScriptedPrompt prompt;
    prompt.answerDialog(pageSizeAnswer(width, height, QStringLiteral("300")));
    m_window->ui().actionPage_Size->trigger();

    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPageSize")});
    QCOMPARE(m_window->isDirty(), dirty);
    QCOMPARE(screen->width(), double(width));
    QCOMPARE(screen->height(), double(height));
    QCOMPARE(screen->dpi(), 300);
    const double fx = width / 500.0;
    const double fy = height / 700.0;
    QCOMPARE(item->pos(), QPointF(before.x() * fx, before.y() * fy));
    QCOMPARE(item->width(), before.width() * fx);
    QCOMPARE(item->height(), before.height() * fy);

    m_window->ui().actionUndo->trigger();
    QCOMPARE(screen->width(), 500.0);
    QCOMPARE(screen->height(), 700.0);
    QCOMPARE(screen->dpi(), 72);
    QCOMPARE(QRectF(item->pos(), QSizeF(item->width(), item->height())), before);

    m_window->ui().actionRedo->trigger();
    QCOMPARE(screen->width(), double(width));
    QCOMPARE(screen->dpi(), 300);
    QCOMPARE(item->width(), before.width() * fx);
}

void TestEditCommands::pageSizeCancelledChangesNothing()
{
    addRect(QPointF(100, 140));
    const int steps = CKorvexUndoManager::getInstance().UndoCount();
    KorvexScriptedPrompt prompt;
    prompt.answerDialog(pageSizeAnswer(900, 900, QStringLiteral("72"), QDialog::Rejected));
    m_window->ui().actionPage_Size->trigger();
    QCOMPARE(m_scene->screen()->width(), 500.0);
    QVERIFY(!m_window->isDirty());
    QCOMPARE(CKorvexUndoManager::getInstance().UndoCount(), steps);
}

void TestEditCommands::pageSizeDialogIsFilledFromThePage()
{
    CKorvexDesignerScreen* screen = m_scene->screen();
    screen->setWidth(842);
    screen->setHeight(595);
    screen->setDpi(600);
    screen->setPageSizeType(QStringLiteral("A4"));
    KorvexScriptedPrompt prompt;
    QStringList shown;
    prompt.answerDialog([&shown](QDialog& dialog) {
        shown << dialog.findChild<QComboBox*>(QStringLiteral("pageSizeComboBox"))->currentText()
              << dialog.findChild<QComboBox*>(QStringLiteral("sizeOrientationComboBox"))->currentText()
              << dialog.findChild<QComboBox*>(QStringLiteral("resolutionStandardUnitsComboBox"))->currentText();
        return int(QDialog::Rejected);
    });
    m_window->ui().actionPage_Size->trigger();
    QCOMPARE(shown, QStringList({"A4", "Landscape", "600"}));
}

void TestEditCommands::preferencesResizeHandles()
{
    QGraphicsItem* item = addRect(QPointF(40, 60));
    CKorvexResizeHandles* handles = CKorvexDesignerItem::companionOf(item)->handles();
    QCOMPARE(handles->handle(0)->width(), 10.0);
    KorvexScriptedPrompt prompt;
    prompt.answerDialog([](QDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("SnapingCheckBox"))->setChecked(true);
        dialog.findChild<QSpinBox*>(QStringLiteral("gridSizeSpinBox"))->setValue(30);
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        return dialog.result();
    });
    m_window->ui().actionPreferences->trigger();
    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPreferences")});
    QCOMPARE(CKorvexDesignerContext::gridSize(), 30);
    QCOMPARE(handles->handle(0)->width(), 30.0);
}

void TestEditCommands::secondThreeDAreaIsRefused()
{
    QVERIFY(m_scene->createItem(QStringLiteral("3d area"), QPointF(50, 50)));
    KorvexScriptedPrompt prompt;
    m_window->ui().tool3DArea->trigger();
    QCOMPARE(prompt.messages().size(), 1);
    QCOMPARE(prompt.messages().first().icon, QMessageBox::Information);
    QCOMPARE(prompt.messages().first().title, QStringLiteral("3D Area"));
    QCOMPARE(prompt.messages().first().text, QStringLiteral("Currently we do not support more than one 3d-area."));
    QVERIFY(m_window->ui().toolPointer->isChecked());
    QVERIFY(!m_window->ui().tool3DArea->isChecked());
    QCOMPARE(m_scene->creationType(), QString());

    // Once the area is deleted the tool may place it again.
    m_window->ui().actionDelete->trigger();
    m_window->ui().tool3DArea->trigger();
    QCOMPARE(prompt.messages().size(), 1);
    QCOMPARE(m_scene->creationType(), QStringLiteral("3d area"));
}

void TestEditCommands::resetAsksForThePageSize()
{
    KorvexScriptedPrompt prompt;
    prompt.answerDialog(pageSizeAnswer(640, 480));
    QVERIFY(m_scene->resetPage(true));
    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPageSize")});
    QCOMPARE(m_scene->screen()->width(), 640.0);
    QCOMPARE(m_scene->screen()->height(), 480.0);
}

KORVEX_TEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
