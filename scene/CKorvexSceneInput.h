#pragma once

#include <QPointF>

class CKorvexDesignerScene;
class CKorvexResizeHandles;
class QGraphicsItem;
class QGraphicsSceneDragDropEvent;
class QGraphicsSceneMouseEvent;
class QKeyEvent;

/// The scene's pointer and key handling: selection, rubber band, selection drags, handle
/// drags, arrow moves and drops.
class CKorvexSceneInput
{
public:
    explicit CKorvexSceneInput(CKorvexDesignerScene& scene);

    /// False when a context menu took the press, so it goes no further.
    bool mousePress(QGraphicsSceneMouseEvent* event);
    void mouseMove(QGraphicsSceneMouseEvent* event);
    void mouseRelease(QGraphicsSceneMouseEvent* event);
    void mouseDoubleClick(QGraphicsSceneMouseEvent* event);
    void keyPress(QKeyEvent* event);
    void keyRelease(QKeyEvent* event);
    bool acceptsDrag(QGraphicsSceneDragDropEvent* event) const;
    void drop(QGraphicsSceneDragDropEvent* event);

    void cancelRubberBand();
    /// Moves every selected page item by (dx, dy) as one undo step.
    void moveSelection(double dx, double dy);

private:
    void indexForDrag();
    bool showContextMenu(QGraphicsSceneMouseEvent* event);
    void pressWithPointer(QGraphicsSceneMouseEvent* event);
    void startRubberBand(const QPointF& position);
    void selectInRubberBand();
    void dragSelection(QGraphicsSceneMouseEvent* event);
    void startHandleDrag(QGraphicsItem* handleItem);
    /// False when the snapped pointer did not leave the handle's grid point.
    bool continueHandleDrag(const QPointF& scenePosition);
    void finishHandleDrag();
    bool isPageItem(const QGraphicsItem* item) const;
    static bool isResizable(const QGraphicsItem* item);

    CKorvexDesignerScene& m_scene;
    QPointF m_rubberBandOrigin;
    bool m_rubberBandActive = false;
    CKorvexResizeHandles* m_dragHandles = nullptr;
    int m_dragHandle = -1;
    QPointF m_dragAnchor;
};
