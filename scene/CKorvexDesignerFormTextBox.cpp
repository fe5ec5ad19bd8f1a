#include "scene/CKorvexDesignerFormTextBox.h"

#include <QCoreApplication>
#include <QPainter>

CKorvexDesignerFormTextBox::CKorvexDesignerFormTextBox(QGraphicsItem* parent)
    : CKorvexDesignerRect(parent)
{
    setSize(100, 30);
    setBrush(QColor(225, 225, 225));
}

CKorvexItemKind CKorvexDesignerFormTextBox::kind() const
{
    return CKorvexItemKind::FormTextBox;
}

int CKorvexDesignerFormTextBox::type() const
{
    return Type;
}

void CKorvexDesignerFormTextBox::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QRectF area(0, 0, width(), height());
    painter->fillRect(area, QColor(210, 210, 210, 180));
    drawCaption(painter, area, QCoreApplication::translate("CKorvexDesignerFormTextBox", "Text Box"));
}

void CKorvexDesignerFormTextBox::setCustomId(const QString& id)
{
    m_customId = id;
}

QString CKorvexDesignerFormTextBox::customId() const
{
    return m_customId;
}
