#pragma once

#include "scene/CKorvexDesignerRect.h"

class CKorvexResizeHandles;

/// One of the eight resize handles of an item; tells its set when the scene destroys it first.
class CKorvexResizeHandle : public CKorvexDesignerRect
{
public:
    CKorvexResizeHandle(CKorvexResizeHandles* handleSet, int index, double side);
    ~CKorvexResizeHandle() override;

    int index() const;
    CKorvexResizeHandles* handleSet() const;
    /// Normal or dragged colours.
    void setActive(bool active);
    /// The set no longer owns this handle.
    void release();

private:
    CKorvexResizeHandles* m_handleSet;
    int m_index;
};
