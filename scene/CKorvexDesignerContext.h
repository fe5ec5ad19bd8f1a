#pragma once

#include <QImage>
#include <QList>
#include <QSet>
#include <memory>
#include <optional>

class CKorvexDesignerItem;
class QGraphicsItem;
class QGraphicsScene;
class QSettings;

/// What a design scene shares with its items: selection, companions, the pressed item, grid and
/// snapping, zoom compensation, the template read version and the 3D preview picture.
/// Each scene owns one, so two scenes never see each other's state.
class CKorvexDesignerContext
{
public:
    CKorvexDesignerContext();
    ~CKorvexDesignerContext();

    /// The context of a design scene, or null for any other scene or none.
    static CKorvexDesignerContext* of(const QGraphicsScene* scene);

    /// The item under the pointer when a press began a selection drag.
    QGraphicsItem* pressItem() const { return m_pressItem; }
    void setPressItem(QGraphicsItem* item) { m_pressItem = item; }

    /// The selected companions.
    QSet<CKorvexDesignerItem*>& selection() { return m_selection; }
    const QSet<CKorvexDesignerItem*>& selection() const { return m_selection; }
    /// Every companion of this scene, in the order they were made.
    QList<CKorvexDesignerItem*>& companions() { return m_companions; }
    const QList<CKorvexDesignerItem*>& companions() const { return m_companions; }

    /// True while Alt is held.
    bool snappingSuspended() const { return m_snappingSuspended; }
    void setSnappingSuspended(bool suspended) { m_snappingSuspended = suspended; }

    /// The grid step as the "Designer" settings give it now: 1 with snapping off,
    /// else "GridSize" when stored, else the step held before (10 at start).
    int gridSize();
    /// The step positions snap to: 1 while snapping is suspended, else the grid size (at least 1).
    int snapStep();

    /// 1 / f, f the zoom factor capped in steps (1.5 up to 400 %, 2 up to 1600 %, 3 above).
    double zoomCompensation() const { return m_zoomCompensation; }
    void setZoomCompensation(double factor) { m_zoomCompensation = factor; }
    static double zoomCompensationForPercent(int zoomPercent);

    /// The "kvx file version" of the last template read; empty after New.
    std::optional<unsigned> templateReadVersion() const { return m_templateReadVersion; }
    void setTemplateReadVersion(std::optional<unsigned> version) { m_templateReadVersion = version; }
    /// The version actions of items made now are read with: the template's, except while records
    /// this program wrote itself (undo steps, its clipboard) are applied, which are in the current one.
    unsigned actionReadVersion() const;
    void beginOwnRecords() { ++m_ownRecords; }
    void endOwnRecords() { --m_ownRecords; }

    /// Has the companion's handles follow its selection once the current event is over; one
    /// pass for every companion asked for, however many a read or a select-all touches.
    void requestHandleSync(CKorvexDesignerItem* companion, QObject* scene);
    void forgetHandleSync(CKorvexDesignerItem* companion) { m_handleSync.remove(companion); }
    void forgetHandleSyncs() { m_handleSync.clear(); }

    /// True the first time it is asked in a turn of the event loop: the first picture a repaint
    /// finds unscaled has every picture shown scaled at once, and only the first.
    bool claimPictureScaling(QObject* scene);

    /// The 3D preview picture given on the command line.
    const QImage& preview3DImage() const { return m_preview3DImage; }
    void setPreview3DImage(const QImage& image) { m_preview3DImage = image; }
    /// False while the page preview is drawn: 3D areas draw without the picture then.
    bool isPreview3DShown() const { return m_preview3DShown; }
    void setPreview3DShown(bool shown) { m_preview3DShown = shown; }
    /// False while the page is drawn for a picture: selected items draw as unselected then.
    bool isSelectionShown() const { return m_selectionShown; }
    void setSelectionShown(bool shown) { m_selectionShown = shown; }
    /// True while the small packed preview is drawn: pictures then leave their scaling to the painter.
    bool isDrawingThumbnail() const { return m_drawingThumbnail; }
    void setDrawingThumbnail(bool drawing) { m_drawingThumbnail = drawing; }
    /// Whether an item of the scene that is selected draws its selection look now.
    static bool showsSelection(const QGraphicsScene* scene);

private:
    QGraphicsItem* m_pressItem = nullptr;
    QSet<CKorvexDesignerItem*> m_selection;
    QList<CKorvexDesignerItem*> m_companions;
    bool m_snappingSuspended = false;
    int m_gridSize = 10;
    double m_zoomCompensation = 1.0;
    std::optional<unsigned> m_templateReadVersion;
    int m_ownRecords = 0;
    QImage m_preview3DImage;
    bool m_preview3DShown = true;
    bool m_drawingThumbnail = false;
    QSet<CKorvexDesignerItem*> m_handleSync;
    bool m_handleSyncPosted = false;
    bool m_pictureScalingClaimed = false;
    bool m_selectionShown = true;
    // Snapping asks for the grid on every pointer movement of every dragged item; one long-lived
    // settings object sees what every other one of the process writes, without opening a file each time.
    std::unique_ptr<QSettings> m_settings;
};
