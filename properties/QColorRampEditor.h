#pragma once

#include <QBrush>
#include <QList>
#include <QPair>
#include <QWidget>

class QColorRampEditorSlider;

/// A strip showing a gradient, with one handle per colour stop below it: a click under the strip
/// adds a stop, an inner handle is dragged along or out (which removes it), and a double click
/// picks a handle's colour. The end stops stay where they are.
class QColorRampEditor : public QWidget
{
    Q_OBJECT

public:
    /// Black at 0 and red at 1.
    explicit QColorRampEditor(QWidget* parent = nullptr);

    /// Replaces the stops, sorted by position.
    void setRamp(const QGradientStops& stops);
    /// The stops sorted by position.
    QGradientStops getRamp();

public slots:
    void setSliderColor(int index, QColor color);

signals:
    void rampChanged();
    void updateSliderColorRequest(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    using Stop = QPair<double, QColorRampEditorSlider*>;

    QRect rampArea() const;
    double positionAt(int x) const;
    void addStop(double position, const QColor& color);
    void place(const Stop& stop);
    void sortStops();
    int handleAt(const QPoint& point) const;
    void clearStops();

    QList<Stop> m_stops;
    int m_activeIndex = -1;
};
