#include "scene/CKorvexDesignerContext.h"

#include "services/CKorvexProductInfo.h"

#include <QSettings>

namespace {

struct ContextValues
{
    CKorvexDesignerScene* scene = nullptr;
    QGraphicsItem* pressItem = nullptr;
    QSet<CKorvexDesignerItem*> selection;
    QList<CKorvexDesignerItem*> companions;
    bool snappingSuspended = false;
    int gridSize = 10;
    double zoomCompensation = 1.0;
    std::optional<unsigned> templateReadVersion;
    QImage preview3DImage;
};

ContextValues& values()
{
    static ContextValues instance;
    return instance;
}

// Snapping asks for the grid on every pointer movement of every dragged item; opening a settings
// object each time costs more than the drag itself. One object sees what every other settings
// object of the process writes at once. Never destroyed: it would outlive the framework's own
// settings bookkeeping at exit.
QSettings& designerSettings()
{
    static QSettings* settings =
        new QSettings(CKorvexProductInfo::organizationName(), CKorvexProductInfo::applicationName());
    return *settings;
}

} // namespace

CKorvexDesignerScene* CKorvexDesignerContext::currentScene()
{
    return values().scene;
}

void CKorvexDesignerContext::setCurrentScene(CKorvexDesignerScene* scene)
{
    values().scene = scene;
}

QGraphicsItem* CKorvexDesignerContext::pressItem()
{
    return values().pressItem;
}

void CKorvexDesignerContext::setPressItem(QGraphicsItem* item)
{
    values().pressItem = item;
}

QSet<CKorvexDesignerItem*>& CKorvexDesignerContext::selection()
{
    return values().selection;
}

QList<CKorvexDesignerItem*>& CKorvexDesignerContext::companions()
{
    return values().companions;
}

bool CKorvexDesignerContext::snappingSuspended()
{
    return values().snappingSuspended;
}

void CKorvexDesignerContext::setSnappingSuspended(bool suspended)
{
    values().snappingSuspended = suspended;
}

int CKorvexDesignerContext::gridSize()
{
    const QSettings& settings = designerSettings();
    if (!settings.value(QStringLiteral("Designer/SnappingCheckBox"), false).toBool())
        return 1;
    if (settings.contains(QStringLiteral("Designer/GridSize")))
        values().gridSize = settings.value(QStringLiteral("Designer/GridSize")).toInt();
    return values().gridSize;
}

int CKorvexDesignerContext::heldGridSize()
{
    return values().gridSize;
}

double CKorvexDesignerContext::zoomCompensation()
{
    return values().zoomCompensation;
}

void CKorvexDesignerContext::setZoomCompensation(double factor)
{
    values().zoomCompensation = factor;
}

double CKorvexDesignerContext::zoomCompensationForPercent(int zoomPercent)
{
    double f = 3.0;
    if (zoomPercent <= 150)
        f = zoomPercent / 100.0;
    else if (zoomPercent <= 400)
        f = 1.5;
    else if (zoomPercent <= 1600)
        f = 2.0;
    return 1.0 / f;
}

std::optional<unsigned> CKorvexDesignerContext::templateReadVersion()
{
    return values().templateReadVersion;
}

void CKorvexDesignerContext::setTemplateReadVersion(std::optional<unsigned> version)
{
    values().templateReadVersion = version;
}

const QImage& CKorvexDesignerContext::preview3DImage()
{
    return values().preview3DImage;
}

void CKorvexDesignerContext::setPreview3DImage(const QImage& image)
{
    values().preview3DImage = image;
}
