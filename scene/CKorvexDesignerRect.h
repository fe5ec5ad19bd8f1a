#pragma once

#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexItemTypeIds.h"

#include <QBrush>
#include <QFont>
#include <QGraphicsItem>
#include <QLinearGradient>
#include <QPen>

/// The area base of page items: geometry, pen, brush, gradient and resizing by the eight handles.
class CKorvexDesignerRect : public QGraphicsItem, public CKorvexDeletableItem
{
public:
    enum { Type = CKorvexItemTypeIds::Rect };
    /// The corner fitAspect keeps fixed; a bottom anchor keeps the bottom edge.
    enum AspectAnchor { TopLeftAnchor = 0, TopRightAnchor = 1, BottomLeftAnchor = 2, BottomRightAnchor = 3 };

    explicit CKorvexDesignerRect(QGraphicsItem* parent = nullptr);
    ~CKorvexDesignerRect() override;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    bool contains(const QPointF& point) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    int type() const override;
    CKorvexItemKind kind() const override;

    virtual void setPen(const QPen& pen);
    virtual void setBrush(const QBrush& brush);
    QPen pen() const;
    QBrush brush() const;
    virtual void setGradient(const QLinearGradient& gradient);
    QLinearGradient gradient() const;
    bool isGradientMode() const;
    virtual void setGradientMode(bool on);

    void setRect(double x, double y, double w, double h);
    virtual void setRect(const QRectF& rect);
    virtual void setWidth(double w);
    virtual void setHeight(double h);
    double width() const;
    double height() const;

    /// Keeps the width and sets the height from the aspect; anchor is an AspectAnchor.
    QRectF fitAspect(const QRectF& rect, int anchor) const;

    /// Scene position and size.
    virtual QRectF sceneRect() const;
    virtual void beginResize();
    virtual void endResize();
    /// Resizes by a CKorvexResizeHandles position to the snapped point p (scene coordinates).
    virtual void moveHandle(int handle, const QPointF& p);

    void setAspectLocked(bool locked);
    void setAspect(double w, double h);

    /// Repaints the item and asks its scene to repaint.
    void repaint();
    /// Tells the framework that the geometry changed.
    void refreshGeometry();

protected:
    /// Thin areas are still picked over at least this many units.
    static constexpr double MinimumHitSize = 10.0;

    /// Sets both sides at once, telling the framework first.
    void setSize(double w, double h);
    /// Called after the size changed.
    virtual void sizeChanged();
    void paintSelectionTint(QPainter* painter) const;
    /// Bold black caption at 9 points times the zoom compensation, centred in area.
    void drawCaption(QPainter* painter, const QRectF& area, const QString& text) const;
    QFont captionFont() const;
    /// The integer part, kept within what painting can take; 0 for NaN.
    static int wholeUnits(double value);
    /// The zoom compensation of the item's scene: captions and handles keep their size on screen.
    double zoomFactor() const;
    /// True when the item's companion is in its scene's selection set and the scene shows selection.
    bool isInSelection() const;
    /// The step a handle drag snaps to in the item's scene.
    int snapStep() const;

private:
    QPen clampedPen() const;
    static QRectF minimumSizeClamped(int handle, const QRectF& start, QPointF p, int step);

    bool m_aspectLocked = false;
    double m_aspectWidth = 1.0;
    double m_aspectHeight = 1.0;
    double m_width = 100.0;
    double m_height = 100.0;
    QPen m_pen{QColor(0, 0, 0), 1};
    QBrush m_brush{QColor(255, 255, 255), Qt::SolidPattern};
    bool m_resizing = false;
    bool m_gradientMode = false;
    QLinearGradient m_gradient;
    QRectF m_resizeStart{0, 0, 100, 100};
};
