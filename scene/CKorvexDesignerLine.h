#pragma once

#include "scene/CKorvexDesignerRect.h"

/// A straight line: the base's width and height are the offset of the end point from the start.
class CKorvexDesignerLine : public CKorvexDesignerRect
{
public:
    explicit CKorvexDesignerLine(QGraphicsItem* parent = nullptr);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    bool contains(const QPointF& point) const override;
    CKorvexItemKind kind() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    /// The top-left handle moves the start (the end stays put), the bottom-right one the end.
    void moveHandle(int handle, const QPointF& p) override;

    /// The end point in scene coordinates.
    virtual void setEnd(double x, double y);
    void setEnd(const QPointF& end);
    virtual QPointF end() const;

    /// How far the hit shape reaches beyond the line.
    double hitMargin() const;

private:
    QPointF offset() const;
};
