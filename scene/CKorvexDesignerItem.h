#pragma once

#include "io/CKorvexDesignerProperty.h"

#include <QObject>
#include <QPointF>
#include <QSizeF>
#include <memory>

class CKorvexDesignerContext;
class CKorvexResizeHandles;
class QGraphicsItem;
class QGraphicsScene;
class QGraphicsSceneMouseEvent;

/// The geometry an item had when last settled, from which a page rescale starts.
struct CKorvexGeometrySnapshot
{
    double x = 0.0;
    double y = 0.0;
    /// Width, or for a line the scene x of its end point.
    double width = 0.0;
    /// Height, or for a line the scene y of its end point.
    double height = 0.0;
    double pageWidth = 0.0;
    double pageHeight = 0.0;
    double penWidth = 0.0;
};

/// The companion of a page item, kept in its CKorvexItemDataSlots::Companion data slot (and, for our
/// items, by the item itself): property record, grid-snapped dragging, handles.
/// An item destroys its companion with itself.
class CKorvexDesignerItem : public QObject
{
    Q_OBJECT

public:
    /// Makes the handle set and adds its handles to scene when given; joins the companions of a
    /// design scene.
    explicit CKorvexDesignerItem(QGraphicsScene* scene = nullptr);
    ~CKorvexDesignerItem() override;

    /// Moves item to the snapped position, makes it selectable, attaches the handles, stores this in its data slot.
    void attach(QGraphicsItem* item, const QPointF& position);
    QGraphicsItem* item() const;
    static CKorvexDesignerItem* companionOf(const QGraphicsItem* item);
    /// Destroys the companion of an item that is going away.
    static void destroyCompanionOf(QGraphicsItem* item);

    CKorvexDesignerProperty record() const;
    /// Stores a copy owned by this companion.
    void setRecord(const CKorvexDesignerProperty& record);
    bool hasRecord() const;
    /// The record's "type", lower-cased.
    QString recordType() const;

    /// The item's handles, made when first asked for: a page of thousands of items holds handles
    /// only for the ones selected.
    CKorvexResizeHandles* handles() const;
    /// Makes or drops the handles so that they follow the selection.
    void syncHandles();
    /// The handles when they exist, else null.
    CKorvexResizeHandles* existingHandles() const { return m_handles.get(); }
    void placeHandles(int skip = -1);

    bool isSelected() const;
    /// Selection flag, graphics selection, handles and the selection set together; deleted items stay out.
    void setSelected(bool selected);

    QPointF lastDragPosition() const;
    void setLastDragPosition(const QPointF& position);

    virtual void mousePress(QGraphicsSceneMouseEvent* event);
    virtual void mouseMove(QGraphicsSceneMouseEvent* event);
    /// Lays the handles out again and repaints the item.
    virtual void refresh();
    /// Moves the item by the difference between a snapped point and the last drag position.
    void dragTo(const QPointF& snappedPoint);

    /// Takes the snapshot with the page size of the item's scene.
    void takeGeometrySnapshot();
    void takeGeometrySnapshot(const QSizeF& pageSize);
    /// Sets the item's geometry from the snapshot scaled to a new page size.
    void rescaleToPage();
    void rescaleToPage(const QSizeF& pageSize);

    /// The size of the page item of a scene, or an empty size.
    static QSizeF pageSizeOf(const QGraphicsScene* scene);

private:
    bool isDraggable(const QGraphicsSceneMouseEvent* event) const;
    QPointF snapped(const QPointF& point) const;
    void applyScaledGeometry(const CKorvexGeometrySnapshot& scaled);
    /// Asks for the handles to follow the selection once the current event is over: a read
    /// selects every item it builds in turn, and a press on a handle deselects its item before
    /// selecting it again.
    void syncHandlesLater();

    CKorvexGeometrySnapshot m_snapshot;
    QPointF m_lastDragPosition;
    bool m_selected = false;
    bool m_hasRecord = false;
    CKorvexDesignerProperty m_record;
    mutable std::unique_ptr<CKorvexResizeHandles> m_handles;
    QGraphicsScene* m_scene = nullptr;
    QGraphicsItem* m_item = nullptr;
    CKorvexDesignerContext* m_context = nullptr;
};
