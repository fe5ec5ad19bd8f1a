#pragma once

#include <QList>

class CKorvexDesignerScene;
class CKorvexResizeHandles;

/// While it lives, a scene draws as its page preview does: no grid, no handles, no 3D preview picture.
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
    QList<CKorvexResizeHandles*> m_hiddenHandles;
};
