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
    enum PlaceholderLater { ShowPlaceholderLater };
    /// The same, but "label !" is shown only if the record applied next brings no text of its
    /// own: a page of labels read from a file lays no text out twice.
    explicit CKorvexDesignerLabel(PlaceholderLater, QGraphicsItem* parent = nullptr);
    /// Shows "label !" when this label was made to wait for its record and the record has no text.
    void settlePlaceholder(bool recordHasText);

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
    static QString placeholderText();

    bool m_placeholderPending = false;
    QBrush m_background{QColor(255, 255, 255, 0)};
    QString m_url;
};
