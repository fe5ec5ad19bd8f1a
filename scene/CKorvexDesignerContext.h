#pragma once

#include <QImage>
#include <QList>
#include <QSet>
#include <optional>

class CKorvexDesignerItem;
class CKorvexDesignerScene;
class QGraphicsItem;

/// The process-wide values that the scene, the items and the panel share, one instance each.
class CKorvexDesignerContext
{
public:
    static CKorvexDesignerScene* currentScene();
    static void setCurrentScene(CKorvexDesignerScene* scene);

    /// The item under the pointer when a press began a selection drag.
    static QGraphicsItem* pressItem();
    static void setPressItem(QGraphicsItem* item);

    /// The selected companions.
    static QSet<CKorvexDesignerItem*>& selection();
    /// Every companion that exists, in the order they were made.
    static QList<CKorvexDesignerItem*>& companions();

    /// True while Alt is held.
    static bool snappingSuspended();
    static void setSnappingSuspended(bool suspended);

    /// The grid step as the "Designer" settings give it now: 1 with snapping off,
    /// else "GridSize" when stored, else the step held before (10 at start).
    static int gridSize();
    /// The step last read by gridSize(), without asking the settings again.
    static int heldGridSize();

    /// 1 / f, f the zoom factor capped in steps (1.5 up to 400 %, 2 up to 1600 %, 3 above).
    static double zoomCompensation();
    static void setZoomCompensation(double factor);
    static double zoomCompensationForPercent(int zoomPercent);

    /// The "kvx file version" of the last template read; empty after New.
    static std::optional<unsigned> templateReadVersion();
    static void setTemplateReadVersion(std::optional<unsigned> version);

    /// The 3D preview picture given on the command line.
    static const QImage& preview3DImage();
    static void setPreview3DImage(const QImage& image);
};
