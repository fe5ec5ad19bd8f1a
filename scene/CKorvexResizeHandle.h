#pragma once

#include "scene/CKorvexDesignerRect.h"

class CKorvexResizeHandles;

/// One of the eight resize handles of an item; tells its set when the scene destroys it first.
/// Keeps its on-screen size whatever the zoom: its extent is scaled by the zoom compensation.
class CKorvexResizeHandle : public CKorvexDesignerRect
{
public:
    /// Held by the handle marker data slot of every resize handle.
    static constexpr int HandleMarker = 8;

    CKorvexResizeHandle(CKorvexResizeHandles* handleSet, int index, double side);
    ~CKorvexResizeHandle() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    /// Only the square drawn in the middle takes the pointer.
    bool contains(const QPointF& point) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    QRectF sceneRect() const override;

    int index() const;
    CKorvexResizeHandles* handleSet() const;
    /// Normal or dragged colours.
    void setActive(bool active);
    /// The set no longer owns this handle.
    void release();

private:
    QRectF square() const;

    CKorvexResizeHandles* m_handleSet;
    int m_index;
};
