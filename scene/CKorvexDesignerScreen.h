#pragma once

#include "scene/CKorvexDesignerRect.h"

#include <QString>
#include <memory>

class CKorvexDesignerImage;

/// The page itself: size, resolution, background colour, gradient or picture, and the grid.
class CKorvexDesignerScreen : public CKorvexDesignerRect
{
public:
    enum { Type = CKorvexItemTypeIds::Screen };
    static constexpr double NewPageWidth = 500.0;
    static constexpr double NewPageHeight = 700.0;

    explicit CKorvexDesignerScreen(QGraphicsItem* parent = nullptr);
    ~CKorvexDesignerScreen() override;

    int type() const override;
    CKorvexItemKind kind() const override;
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    bool isGridShown() const;
    /// Also written to the settings at once.
    void setGridShown(bool shown);
    void toggleGrid();
    int dpi() const;
    void setDpi(int dpi);
    QString pageSizeType() const;
    void setPageSizeType(const QString& type);
    bool isImageMode() const;
    void setImageMode(bool on);

    /// The picture of the page background; never in a scene of its own.
    CKorvexDesignerImage* backgroundImage() const;
    int imageSource() const;
    void setImageSource(int source);
    int sceneStateChoice() const;
    void setSceneStateChoice(int choice);
    int sceneStateIndex() const;
    void setSceneStateIndex(int index);
    QString sceneStateName() const;
    void setSceneStateName(const QString& name);
    QString dictionaryKey() const;
    void setDictionaryKey(const QString& key);
    QString path() const;
    void setPath(const QString& path);

protected:
    void sizeChanged() override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    void paintGradientPage(QPainter* painter, const QPen& outline) const;
    void paintBackgroundImage(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget);
    void paintGrid(QPainter* painter, const QStyleOptionGraphicsItem* option) const;
    void fitSceneRect();

    bool m_gridShown = false;
    int m_dpi = 72;
    QString m_pageSizeType = QStringLiteral("Custom");
    bool m_imageMode = false;
    std::unique_ptr<CKorvexDesignerImage> m_backgroundImage;
};
