#include "scene/CKorvexDesignerContext.h"

#include "core/CKorvexAction.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScene.h"
#include "services/CKorvexProductInfo.h"

#include <QSettings>
#include <utility>

CKorvexDesignerContext::CKorvexDesignerContext()
    : m_settings(std::make_unique<QSettings>(CKorvexProductInfo::organizationName(),
                                             CKorvexProductInfo::applicationName()))
{
}

CKorvexDesignerContext::~CKorvexDesignerContext() = default;

CKorvexDesignerContext* CKorvexDesignerContext::of(const QGraphicsScene* scene)
{
    auto* designer = qobject_cast<const CKorvexDesignerScene*>(scene);
    return designer ? &const_cast<CKorvexDesignerScene*>(designer)->context() : nullptr;
}

bool CKorvexDesignerContext::showsSelection(const QGraphicsScene* scene)
{
    const CKorvexDesignerContext* context = of(scene);
    return !context || context->isSelectionShown();
}

int CKorvexDesignerContext::gridSize()
{
    if (!m_settings->value(QStringLiteral("Designer/SnappingCheckBox"), false).toBool())
        return 1;
    if (m_settings->contains(QStringLiteral("Designer/GridSize")))
        m_gridSize = m_settings->value(QStringLiteral("Designer/GridSize")).toInt();
    return m_gridSize;
}

int CKorvexDesignerContext::snapStep()
{
    if (m_snappingSuspended)
        return 1;
    return qMax(1, gridSize());
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

unsigned CKorvexDesignerContext::actionReadVersion() const
{
    if (m_ownRecords > 0)
        return Korvex::kKorvexActionVersionCurrent;
    return m_templateReadVersion.value_or(Korvex::kKorvexActionVersionLegacy);
}

bool CKorvexDesignerContext::claimPictureScaling(QObject* scene)
{
    if (m_pictureScalingClaimed || !scene)
        return false;
    m_pictureScalingClaimed = true;
    QMetaObject::invokeMethod(scene, [this] { m_pictureScalingClaimed = false; }, Qt::QueuedConnection);
    return true;
}

void CKorvexDesignerContext::requestHandleSync(CKorvexDesignerItem* companion, QObject* scene)
{
    m_handleSync.insert(companion);
    if (m_handleSyncPosted || !scene)
        return;
    m_handleSyncPosted = true;
    QMetaObject::invokeMethod(
        scene,
        [this] {
            m_handleSyncPosted = false;
            const QSet<CKorvexDesignerItem*> due = std::exchange(m_handleSync, {});
            for (CKorvexDesignerItem* companion : due)
                companion->syncHandles();
        },
        Qt::QueuedConnection);
}
