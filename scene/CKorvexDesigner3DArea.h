#pragma once

#include "scene/CKorvexDesignerImage.h"

/// The place of the document's 3D view: the shared preview picture, or a look chosen by its mode.
class CKorvexDesigner3DArea : public CKorvexDesignerImage
{
public:
    enum Mode { Transparent = 0, SingleColor = 1, ImageMode = 2 };

    explicit CKorvexDesigner3DArea(QGraphicsItem* parent = nullptr);

    CKorvexItemKind kind() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    int mode() const;
    void setMode(int mode);

    /// The translated word of a mode ("Transparent", "Single Color", "Image"), empty outside the range.
    static QString modeWord(int mode);
    /// The mode whose translated word equals word, or -1.
    static int modeFromWord(const QString& word);

private:
    bool paintPreview(QPainter* painter) const;
    void paintCaptionBox(QPainter* painter) const;

    int m_mode = Transparent;
    mutable QImage m_previewCache;
    mutable qint64 m_previewCacheKey = 0;
};
