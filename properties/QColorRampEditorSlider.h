#pragma once

#include <QColor>
#include <QWidget>

/// The handle of one colour stop under the ramp: a square of its colour with a point above.
class QColorRampEditorSlider : public QWidget
{
    Q_OBJECT

public:
    explicit QColorRampEditorSlider(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color{Qt::white};
};
