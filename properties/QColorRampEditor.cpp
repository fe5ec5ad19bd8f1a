#include "properties/QColorRampEditor.h"

#include "properties/QColorRampEditorSlider.h"
#include "services/CKorvexPrompt.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int handleStrip = 16;
constexpr int clickStrip = 19;

} // namespace

QColorRampEditor::QColorRampEditor(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(30, 44);
    setContentsMargins(5, 5, 5, 5);
    addStop(0.0, Qt::black);
    addStop(1.0, Qt::red);
}

QRect QColorRampEditor::rampArea() const
{
    return contentsRect().adjusted(0, 0, 0, -handleStrip);
}

double QColorRampEditor::positionAt(int x) const
{
    const QRect area = rampArea();
    return double(x - area.left()) / area.width();
}

void QColorRampEditor::place(const Stop& stop)
{
    const QRect area = rampArea();
    stop.second->move(int(area.width() * stop.first + (area.left() - 4)), area.bottom() + 2);
}

void QColorRampEditor::addStop(double position, const QColor& color)
{
    auto* handle = new QColorRampEditorSlider(this);
    handle->setColor(color);
    m_stops.append(Stop(position, handle));
    place(m_stops.last());
    handle->show();
}

void QColorRampEditor::sortStops()
{
    std::stable_sort(m_stops.begin(), m_stops.end(), [](const Stop& a, const Stop& b) { return a.first < b.first; });
}

void QColorRampEditor::clearStops()
{
    for (const Stop& stop : qAsConst(m_stops))
        delete stop.second;
    m_stops.clear();
    m_activeIndex = -1;
}

void QColorRampEditor::setRamp(const QGradientStops& stops)
{
    clearStops();
    for (const QGradientStop& stop : stops)
        addStop(stop.first, stop.second);
    sortStops();
    update();
    emit rampChanged();
}

QGradientStops QColorRampEditor::getRamp()
{
    sortStops();
    QGradientStops stops;
    for (const Stop& stop : qAsConst(m_stops))
        stops.append(QGradientStop(stop.first, stop.second->color()));
    return stops;
}

void QColorRampEditor::setSliderColor(int index, QColor color)
{
    if (index < 0 || index >= m_stops.size())
        return;
    m_stops.at(index).second->setColor(color);
    update();
    emit rampChanged();
}

int QColorRampEditor::handleAt(const QPoint& point) const
{
    for (int index = 0; index < m_stops.size(); ++index) {
        if (m_stops.at(index).second->geometry().contains(point))
            return index;
    }
    return -1;
}

void QColorRampEditor::paintEvent(QPaintEvent*)
{
    const QRect area = rampArea();
    const QRect contents = contentsRect();
    QLinearGradient gradient(0, 0, contents.right() - contents.left(), 0);
    for (const Stop& stop : qAsConst(m_stops))
        gradient.setColorAt(stop.first, stop.second->color());
    QPainter painter(this);
    painter.fillRect(area, gradient);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void QColorRampEditor::resizeEvent(QResizeEvent*)
{
    for (const Stop& stop : qAsConst(m_stops))
        place(stop);
}

void QColorRampEditor::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->pos();
    const int bottom = contentsRect().bottom();
    const int handle = handleAt(point);
    const bool inner = handle > 0 && handle < m_stops.size() - 1;
    if (point.y() >= bottom - clickStrip && point.y() <= bottom && !inner) {
        addStop(positionAt(point.x()), Qt::white);
        sortStops();
        update();
        emit rampChanged();
    } else if (inner) {
        m_activeIndex = handle;
    }
}

void QColorRampEditor::mouseMoveEvent(QMouseEvent* event)
{
    if (m_activeIndex < 0 || m_activeIndex >= m_stops.size())
        return;
    const double position = positionAt(event->pos().x());
    if (position < 0.0 || position > 1.0) {
        delete m_stops.takeAt(m_activeIndex).second;
        m_activeIndex = -1;
    } else {
        m_stops[m_activeIndex].first = position;
        place(m_stops.at(m_activeIndex));
    }
    update();
}

void QColorRampEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_activeIndex = -1;
    update();
    emit rampChanged();
}

void QColorRampEditor::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = handleAt(event->pos());
    if (index < 0)
        return;
    emit updateSliderColorRequest(index);
    const QColor chosen = CKorvexPrompt::color(parentWidget(), m_stops.at(index).second->color(), tr("Node Color"));
    if (chosen.isValid())
        setSliderColor(index, chosen);
}
