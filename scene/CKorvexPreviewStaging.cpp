#include "scene/CKorvexPreviewStaging.h"

#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexResizeHandles.h"

CKorvexPreviewStaging::CKorvexPreviewStaging(CKorvexDesignerScene& scene)
    : m_scene(scene)
{
    CKorvexDesignerContext& context = m_scene.context();
    context.setPreview3DShown(false);
    context.setSelectionShown(false);
    // Captions are drawn for 100 %, whatever the view's zoom.
    m_zoomCompensation = context.zoomCompensation();
    context.setZoomCompensation(1.0);
    if (CKorvexDesignerScreen* screen = m_scene.screen()) {
        m_gridShown = screen->isGridShown();
        screen->setGridShown(false);
    }
    const auto items = m_scene.pageItems();
    for (QGraphicsItem* item : items) {
        CKorvexResizeHandles* handles = CKorvexDesignerItem::companionOf(item)->existingHandles();
        if (handles && handles->anyVisible()) {
            handles->show(false);
            m_hiddenHandles.append(handles);
        }
    }
}

CKorvexPreviewStaging::~CKorvexPreviewStaging()
{
    for (CKorvexResizeHandles* handles : qAsConst(m_hiddenHandles))
        handles->show(true);
    if (CKorvexDesignerScreen* screen = m_scene.screen())
        screen->setGridShown(m_gridShown);
    CKorvexDesignerContext& context = m_scene.context();
    context.setZoomCompensation(m_zoomCompensation);
    context.setSelectionShown(true);
    context.setPreview3DShown(true);
}
