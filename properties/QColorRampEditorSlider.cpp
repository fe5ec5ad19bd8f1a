#include "properties/QColorRampEditorSlider.h"

#include <QPainter>
#include <QPolygon>

QColorRampEditorSlider::QColorRampEditorSlider(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(9, 16);
    // Presses go to the ramp, which decides between adding, dragging and picking a colour.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void QColorRampEditorSlider::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void QColorRampEditorSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(m_color);
    painter.drawRect(0, 7, 7, 7);
    painter.drawPolygon(QPolygon({QPoint(0, 7), QPoint(4, 0), QPoint(8, 7)}));
}
