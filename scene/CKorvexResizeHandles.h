#pragma once

#include <QMetaType>
#include <QPointF>
#include <array>

class CKorvexResizeHandle;
class QGraphicsItem;
class QGraphicsScene;

/// The eight resize handles of one item; a line shows only TopLeft and BottomRight at its end points.
class CKorvexResizeHandles
{
public:
    /// Handle indexes, in the order place() lays them out.
    enum Position {
        TopLeft = 0, Top = 1, TopRight = 2,
        Left = 3, Right = 4,
        BottomLeft = 5, Bottom = 6, BottomRight = 7
    };
    static constexpr int Count = BottomRight + 1;
    static constexpr double ShownZValue = 100000000.0;

    /// Makes the handles, hidden, and adds them to scene when given.
    explicit CKorvexResizeHandles(QGraphicsScene* scene = nullptr);
    ~CKorvexResizeHandles();
    CKorvexResizeHandles(const CKorvexResizeHandles&) = delete;
    CKorvexResizeHandles& operator=(const CKorvexResizeHandles&) = delete;

    /// Sets the target, adds the handles to its scene when they have none, and places them.
    void attach(QGraphicsItem* target);
    QGraphicsItem* target() const;

    void show(bool visible);
    bool anyVisible() const;
    /// Centres the handles on the target's corners and edge mid-points, leaving handle skip alone.
    void place(int skip = -1);
    /// A new side (at least 10) for every handle, then places them.
    void setHandleSide(double side);
    static double sideForGrid(int gridStep);

    CKorvexResizeHandle* handle(int index) const;
    int indexOf(const QGraphicsItem* item) const;
    /// Colours the dragged handle; -1 gives every handle its normal colours.
    void setActiveHandle(int index);

    /// The set of a handle item, or none.
    static CKorvexResizeHandles* of(const QGraphicsItem* handleItem);
    void forgetHandle(CKorvexResizeHandle* handle);

private:
    std::array<QPointF, Count> handlePoints(bool* lineTarget) const;

    QGraphicsItem* m_target = nullptr;
    std::array<CKorvexResizeHandle*, Count> m_handles{};
};

Q_DECLARE_METATYPE(CKorvexResizeHandles*)
