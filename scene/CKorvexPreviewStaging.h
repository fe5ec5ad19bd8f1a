#pragma once

#include <QList>

class CKorvexDesignerScene;
class CKorvexResizeHandles;

/// While it lives, a scene draws as a picture of its page does: as at 100 %, without grid,
/// handles, selection or 3D preview picture.
class CKorvexPreviewStaging
{
public:
    explicit CKorvexPreviewStaging(CKorvexDesignerScene& scene);
    ~CKorvexPreviewStaging();
    CKorvexPreviewStaging(const CKorvexPreviewStaging&) = delete;
    CKorvexPreviewStaging& operator=(const CKorvexPreviewStaging&) = delete;

private:
    CKorvexDesignerScene& m_scene;
    bool m_gridShown = false;
    double m_zoomCompensation = 1.0;
    QList<CKorvexResizeHandles*> m_hiddenHandles;
};
