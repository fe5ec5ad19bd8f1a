#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "app/DesignerMainWindow.h"
#include "core/CKorvexUndoManager.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexResizeHandle.h"
#include "scene/CKorvexResizeHandles.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QSpinBox>

using Korvex::CKorvexUndoManager;

namespace {

// Answers the page size dialog with a pixel size and a resolution.
KorvexScriptedPrompt::DialogScript pageSizeAnswer(int width, int height, const QString& dpi, int result)
{
    return [=](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("resolutionStandardUnitsComboBox"))->setCurrentText(dpi);
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
    void editCommands_data();
    void editCommands();
    void pageSize_data();
    void pageSize();
    void pageSizeDialogIsFilledFromThePage();
    void preferencesResizeHandles();
    void secondThreeDAreaIsRefused();

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

QGraphicsItem* TestEditCommands::addRect(const QPointF& position)
{
    QGraphicsItem* item = m_scene->createItem(QStringLiteral("rect"), position);
    if (!item)
        qFatal("no rectangle");
    return item;
}

void TestEditCommands::editCommands_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("copies");
    QTest::addColumn<QString>("after"); // live items bottom first, as x,y@z
    QTest::addColumn<int>("steps");     // undo steps added
    const QString sentBack = "200,60@1 40,60@2";
    QTest::newRow("copy") << QStringList{"actionCopy"} << true << "40,60@1 200,60@2" << 0;
    QTest::newRow("copy, paste") << QStringList{"actionCopy", "actionPaste"} << true
                                 << "40,60@1 200,60@2 200,60@2" << 1;
    QTest::newRow("cut") << QStringList{"actionCut"} << true << "40,60@1" << 1;
    QTest::newRow("delete") << QStringList{"actionDelete"} << false << "40,60@1" << 1;
    QTest::newRow("send to back") << QStringList{"actionSend_To_Back"} << false << sentBack << 1;
    QTest::newRow("send back tool") << QStringList{"toolSendBack"} << false << sentBack << 1;
    QTest::newRow("bring to front tool")
        << QStringList{"actionSend_To_Back", "toolBringFront"} << false << "40,60@1 200,60@2" << 1;
    QTest::newRow("bring to front") << QStringList{"toolSendBack", "actionBring_To_Front"} << false
                                    << "40,60@1 200,60@2" << 1;
}

void TestEditCommands::editCommands()
{
    QFETCH(QStringList, commands);
    QFETCH(bool, copies);
    QFETCH(QString, after);
    QFETCH(int, steps);
    const auto live = [this] {
        QStringList result;
        const auto all = m_scene->pageItems();
        for (const QGraphicsItem* item : all) {
            const auto* deletable = dynamic_cast<const CKorvexDeletableItem*>(item);
            if (item->isVisible() && deletable && !deletable->isDeleted())
                result << QString("%1,%2@%3").arg(item->x()).arg(item->y()).arg(item->zValue());
        }
        return result.join(' ');
    };
    addRect(QPointF(40, 60));
    addRect(QPointF(200, 60)); // the selection
    const int stepsBefore = CKorvexUndoManager::getInstance().UndoCount();
    for (const QString& command : commands)
        m_window->findChild<QAction*>(command)->trigger();

    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied.startsWith(QStringLiteral("item begin")) && copied.contains(QStringLiteral("type:rect")), copies);
    QVERIFY(copies || copied.isEmpty());
    QCOMPARE(m_window->isDirty(), commands.contains("actionPaste"));
    QCOMPARE(CKorvexUndoManager::getInstance().UndoCount(), stepsBefore + steps);
    QCOMPARE(live(), after);
    // Undo and redo replay the last step; bringing to front makes none.
    if (steps == 0 || commands.last().contains("Front"))
        return;
    m_window->ui().actionUndo->trigger();
    QCOMPARE(live(), QStringLiteral("40,60@1 200,60@2"));
    m_window->ui().actionRedo->trigger();
    QCOMPARE(live(), after);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void TestEditCommands::pageSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("dirty");
    QTest::newRow("wider") << 1000 << 700 << true << true;
    QTest::newRow("narrower and taller") << 250 << 1400 << true << true;
    QTest::newRow("taller only") << 500 << 1400 << true << false;
    QTest::newRow("same size") << 500 << 700 << true << false;
    QTest::newRow("cancelled") << 900 << 900 << false << false;
}

void TestEditCommands::pageSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, accepted);
    QFETCH(bool, dirty);
    auto* item = static_cast<CKorvexDesignerRect*>(addRect(QPointF(100, 140)));
    const CKorvexDesignerScreen* screen = m_scene->screen();
    const auto state = [&] {
        return QList<double>{screen->width(), screen->height(), double(screen->dpi()),
                             item->x(),       item->y(),       item->width(), item->height()};
    };
    const QList<double> before = state();
    const double fx = width / 500.0;
    const double fy = height / 700.0;
    const QList<double> after{double(width), double(height), 300, before[3] * fx, before[4] * fy,
                              before[5] * fx, before[6] * fy};
    const int steps = CKorvexUndoManager::getInstance().UndoCount();
    KorvexScriptedPrompt prompt;
    prompt.answerDialog(pageSizeAnswer(width, height, QStringLiteral("300"),
                                       accepted ? QDialog::Accepted : QDialog::Rejected));
    m_window->ui().actionPage_Size->trigger();

    QCOMPARE(prompt.dialogs(), QStringList{QStringLiteral("CKorvexPageSize")});
    QCOMPARE(state(), accepted ? after : before);
    QCOMPARE(m_window->isDirty(), dirty);
    QCOMPARE(CKorvexUndoManager::getInstance().UndoCount(), steps + int(accepted));
    if (!accepted)
        return;
    m_window->ui().actionUndo->trigger();
    QCOMPARE(state(), before);
    m_window->ui().actionRedo->trigger();
    QCOMPARE(state(), after);
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
    QCOMPARE(m_window->scene()->context().gridSize(), 30);
    QCOMPARE(handles->handle(0)->width(), 30.0);
}

void TestEditCommands::secondThreeDAreaIsRefused()
{
    QVERIFY(m_scene->createItem(QStringLiteral("3d area"), QPointF(50, 50)));
    KorvexScriptedPrompt prompt;
    m_window->ui().tool3DArea->trigger();
    QCOMPARE(prompt.messages().size(), 1);
    const CKorvexMessageRequest& refusal = prompt.messages().first();
    QCOMPARE(QString("%1|%2|%3").arg(refusal.icon).arg(refusal.title, refusal.text),
             QStringLiteral("1|3D Area|Currently we do not support more than one 3d-area."));
    QVERIFY(m_window->ui().toolPointer->isChecked());
    QVERIFY(!m_window->ui().tool3DArea->isChecked());
    QCOMPARE(m_scene->creationType(), QString());

    // Once the area is deleted the tool may place it again.
    m_window->ui().actionDelete->trigger();
    m_window->ui().tool3DArea->trigger();
    QCOMPARE(prompt.messages().size(), 1);
    QCOMPARE(m_scene->creationType(), QStringLiteral("3d area"));
}

KORVEX_TEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
