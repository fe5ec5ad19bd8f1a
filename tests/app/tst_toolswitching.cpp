#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "app/DesignerMainWindow.h"
#include "scene/CKorvexDesignerScene.h"

#include <QAction>
#include <QGraphicsView>

class TestToolSwitching : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void checkingToolSetsType_data();
    void checkingToolSetsType();
    void checkingAnotherToolUnchecksTheFirst();
    void uncheckingLastToolChecksPointer();
    void pointerCannotBeUncheckedAlone();
    void sceneRequestReturnsToPointer();
    void insertMenuTriggersTheTool();
    void creationTypeSetsViewCursor();

private:
    QStringList checkedTools() const;
    std::unique_ptr<DesignerMainWindow> m_window;
};

void TestToolSwitching::init()
{
    KorvexTestEnvironment::clearSettings();
    m_window = std::make_unique<DesignerMainWindow>();
}

void TestToolSwitching::cleanup()
{
    m_window.reset();
}

QStringList TestToolSwitching::checkedTools() const
{
    QStringList names;
    const auto tools = m_window->ui().toolBarActions();
    for (const QAction* tool : tools) {
        if (tool->isChecked())
            names << tool->text();
    }
    return names;
}

void TestToolSwitching::checkingToolSetsType_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("type");
    QTest::newRow("line") << "toolLine" << "line";
    QTest::newRow("rectangle") << "toolRectangle" << "rect";
    QTest::newRow("3d area") << "tool3DArea" << "3d area";
    QTest::newRow("text") << "toolText" << "label";
    QTest::newRow("image") << "toolImage" << "image";
    QTest::newRow("form text box") << "toolFormTextBox" << "form_text_box";
}

void TestToolSwitching::checkingToolSetsType()
{
    QFETCH(QString, tool);
    QFETCH(QString, type);
    auto* action = m_window->findChild<QAction*>(tool);
    QVERIFY(action);
    action->trigger();
    QCOMPARE(m_window->scene()->creationType(), type);
    QCOMPARE(checkedTools(), QStringList{action->text()});
}

void TestToolSwitching::checkingAnotherToolUnchecksTheFirst()
{
    m_window->ui().toolRectangle->trigger();
    m_window->ui().toolLine->trigger();
    QCOMPARE(checkedTools(), QStringList{QStringLiteral("Line")});
    QCOMPARE(m_window->scene()->creationType(), QStringLiteral("line"));
}

void TestToolSwitching::uncheckingLastToolChecksPointer()
{
    m_window->ui().toolLine->trigger();
    QSignalSpy pointerToggles(m_window->ui().toolPointer, &QAction::toggled);
    m_window->ui().toolLine->trigger();
    QCOMPARE(checkedTools(), QStringList{QStringLiteral("Pointer")});
    QCOMPARE(m_window->scene()->creationType(), QString());
    QCOMPARE(pointerToggles.count(), 0);
}

void TestToolSwitching::pointerCannotBeUncheckedAlone()
{
    m_window->ui().toolPointer->trigger();
    QCOMPARE(checkedTools(), QStringList{QStringLiteral("Pointer")});
    QCOMPARE(m_window->scene()->creationType(), QString());
}

void TestToolSwitching::sceneRequestReturnsToPointer()
{
    m_window->ui().toolFormTextBox->trigger();
    m_window->scene()->resetToPointerTool();
    QCOMPARE(checkedTools(), QStringList{QStringLiteral("Pointer")});
    QCOMPARE(m_window->scene()->creationType(), QString());
}

void TestToolSwitching::insertMenuTriggersTheTool()
{
    m_window->ui().actionRectangle->trigger();
    QCOMPARE(checkedTools(), QStringList{QStringLiteral("Rectangle")});
    m_window->ui().action3D_Area->trigger();
    QCOMPARE(checkedTools(), QStringList{QStringLiteral("3D Area")});
    QCOMPARE(m_window->scene()->creationType(), QStringLiteral("3d area"));
}

void TestToolSwitching::creationTypeSetsViewCursor()
{
    QWidget* viewport = m_window->view()->viewport();
    m_window->ui().toolLine->trigger();
    QCOMPARE(viewport->cursor().shape(), Qt::CrossCursor);
    m_window->ui().toolPointer->trigger();
    QCOMPARE(viewport->cursor().shape(), Qt::ArrowCursor);
}

KORVEX_TEST_MAIN(TestToolSwitching)
#include "tst_toolswitching.moc"
