#pragma once

#include "KorvexTestPage.h"
#include "core/CKorvexUndoManager.h"
#include "io/CKorvexDesignerProperty.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexPropertyPanel.h"
#include "services/CKorvexProductInfo.h"

#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QMimeData>
#include <QMouseEvent>
#include <QSettings>
#include <QtTest>
#include <memory>

/// Grid settings as the designer's options write them.
inline void setGrid(bool snapping, int step = 10)
{
    const auto settings = CKorvexProductInfo::openSettings();
    settings->setValue(QStringLiteral("Designer/SnappingCheckBox"), snapping);
    settings->setValue(QStringLiteral("Designer/GridSize"), step);
}

/// A property panel that only records what the scene asks of it.
class KorvexFakePanel : public CKorvexPropertyPanel
{
public:
    void showProperties(const CKorvexDesignerProperty& record) override
    {
        const auto* companion = qobject_cast<CKorvexDesignerItem*>(record.owner());
        shown.append(companion ? companion->item() : nullptr);
    }
    void openItemEditor() override { editors.append(shown.isEmpty() ? nullptr : shown.last()); }
    bool hasPendingChange() const override { return pending; }
    void setPendingChange(bool value) override { pending = value; }

    QList<QGraphicsItem*> shown;
    QList<QGraphicsItem*> editors;
    bool pending = false;
};

/// A scene in a shown offscreen view, where scene points map to whole viewport pixels,
/// driven with real mouse and key events. Its undo steps go to the core's undo manager.
class KorvexSceneBench
{
public:
    KorvexSceneBench()
        : scene(std::make_unique<CKorvexDesignerScene>())
        , view(std::make_unique<QGraphicsView>(scene.get()))
    {
        scene->setPropertyWidget(&panel);
        view->setFrameShape(QFrame::NoFrame);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view->setFixedSize(700, 900);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get()))
            qWarning("view not exposed");
    }

    QWidget* viewport() const { return view->viewport(); }
    QPoint at(const QPointF& p) const { return view->mapFromScene(p); }
    void press(const QPointF& p, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(viewport(), b, {}, at(p)); }
    void release(const QPointF& p, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(viewport(), b, {}, at(p));
    }
    void click(const QPointF& p) { drag(p, p); }
    void key(Qt::Key key) { QTest::keyClick(view.get(), key); }

    void move(const QPointF& p, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        QMouseEvent event(QEvent::MouseMove, at(p), viewport()->mapToGlobal(at(p)), Qt::NoButton, buttons, {});
        QApplication::sendEvent(viewport(), &event);
    }

    void drag(const QPointF& from, const QPointF& to)
    {
        press(from);
        move(to);
        release(to);
    }

    /// Mouse events at points that need not be whole pixels, sent to the scene itself.
    void sceneClick(const QPointF& p)
    {
        sceneMouse(QEvent::GraphicsSceneMousePress, p, Qt::LeftButton, Qt::LeftButton);
        sceneMouse(QEvent::GraphicsSceneMouseRelease, p, Qt::LeftButton, Qt::NoButton);
    }
    void sceneMouse(QEvent::Type type, const QPointF& p, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QGraphicsSceneMouseEvent event(type);
        event.setScenePos(p);
        event.setButtonDownScenePos(button, p);
        event.setButton(button);
        event.setButtons(buttons);
        event.setWidget(viewport());
        QApplication::sendEvent(scene.get(), &event);
    }

    void drop(const QString& text, const QPointF& p)
    {
        QMimeData data;
        data.setText(text);
        QGraphicsSceneDragDropEvent event(QEvent::GraphicsSceneDrop);
        event.setMimeData(&data);
        event.setScenePos(p);
        event.setPossibleActions(Qt::CopyAction);
        event.setProposedAction(Qt::CopyAction);
        QApplication::sendEvent(scene.get(), &event);
    }

    /// A rectangle built from its record, as a template read builds it.
    QGraphicsItem* rect(double x, double y, double w = 100, double h = 50, int z = 1)
    {
        return KorvexTestPage::add(*scene, {QStringLiteral("type:rect"), QStringLiteral("start location:%1 %2").arg(x).arg(y),
                                            QStringLiteral("width:%1").arg(w), QStringLiteral("height:%1").arg(h),
                                            QStringLiteral("zvalue:%1").arg(z)});
    }

    static bool isSelected(const QGraphicsItem* item)
    {
        return CKorvexDesignerItem::companionOf(item) && CKorvexDesignerItem::companionOf(item)->isSelected();
    }
    static bool isDeleted(const QGraphicsItem* item)
    {
        const auto* deletable = dynamic_cast<const CKorvexDeletableItem*>(item);
        return deletable && deletable->isDeleted();
    }
    static int undoCount() { return Korvex::CKorvexUndoManager::getInstance().UndoCount(); }

    KorvexFakePanel panel;
    std::unique_ptr<CKorvexDesignerScene> scene;
    std::unique_ptr<QGraphicsView> view;
};
