#pragma once

#include "scene/CKorvexDesignerText.h"

#include <QBrush>

/// Every text object of the page ("label", "text" and "link"): text over a background.
class CKorvexDesignerLabel : public CKorvexDesignerText
{
    Q_OBJECT

public:
    /// As the template reader starts it: the text "label !" without document margin.
    explicit CKorvexDesignerLabel(QGraphicsItem* parent = nullptr);

    /// As a text tool makes it: "Sample Text" in 12-point "Arial Unicode MS", exactly as wide as the text.
    void applyNewItemDefaults();
    static QString defaultFontFamily();

    CKorvexItemKind kind() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    QBrush background() const;
    void setBackground(const QBrush& brush);
    QString url() const;
    void setUrl(const QString& url);

private:
    QBrush m_background{QColor(255, 255, 255, 0)};
    QString m_url;
};
