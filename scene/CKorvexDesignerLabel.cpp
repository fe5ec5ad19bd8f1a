#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerContext.h"

#include "scene/CKorvexItemDataSlots.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTextDocument>

CKorvexDesignerLabel::CKorvexDesignerLabel(QGraphicsItem* parent)
    : CKorvexDesignerText(parent)
{
    // The margin first: the text is laid out once, already without it.
    document()->setDocumentMargin(0);
    setPlainText(placeholderText());
}

CKorvexDesignerLabel::CKorvexDesignerLabel(PlaceholderLater, QGraphicsItem* parent)
    : CKorvexDesignerText(parent)
    , m_placeholderPending(true)
{
    document()->setDocumentMargin(0);
}

QString CKorvexDesignerLabel::placeholderText()
{
    return QStringLiteral("label !");
}

void CKorvexDesignerLabel::settlePlaceholder(bool recordHasText)
{
    if (m_placeholderPending && !recordHasText)
        setPlainText(placeholderText());
    m_placeholderPending = false;
}

void CKorvexDesignerLabel::applyNewItemDefaults()
{
    const QFont font(defaultFontFamily(), 12);
    setFont(font);
    document()->setDefaultFont(font);
    setPlainText(QStringLiteral("Sample Text"));
    document()->setDocumentMargin(0);
    setTextWidth(document()->idealWidth());
    setBackground(QColor(255, 255, 255, 0));
    setData(CKorvexItemDataSlots::NewText, 1);
}

QString CKorvexDesignerLabel::defaultFontFamily()
{
    return QStringLiteral("Arial Unicode MS");
}

CKorvexItemKind CKorvexDesignerLabel::kind() const
{
    return CKorvexItemKind::Label;
}

void CKorvexDesignerLabel::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    painter->fillRect(QRectF(QPointF(0, 0), document()->size()), m_background);
    // The tint below marks selection; the framework's dashed frame is left out.
    QStyleOptionGraphicsItem plain(*option);
    plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    CKorvexDesignerText::paint(painter, &plain, widget);
    if (isSelected() && CKorvexDesignerContext::showsSelection(scene()))
        painter->fillRect(boundingRect(), QColor(0, 0, 255, 10));
}

QBrush CKorvexDesignerLabel::background() const
{
    return m_background;
}

void CKorvexDesignerLabel::setBackground(const QBrush& brush)
{
    m_background = brush;
    update();
}

QString CKorvexDesignerLabel::url() const
{
    return m_url;
}

void CKorvexDesignerLabel::setUrl(const QString& url)
{
    m_url = url;
}
