#include "scene/CKorvexDesignerScreen.h"

#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerImage.h"
#include "services/CKorvexProductInfo.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QSettings>
#include <QStyleOptionGraphicsItem>
#include <cmath>

namespace {

const QString gridShownKey = QStringLiteral("Designer/isGridShown");

// Beyond this many lines per direction the grid is finer than a pixel; it is left out.
constexpr double maximumGridLines = 20000;

} // namespace

CKorvexDesignerScreen::CKorvexDesignerScreen(QGraphicsItem* parent)
    : CKorvexDesignerRect(parent)
    , m_backgroundImage(std::make_unique<CKorvexDesignerImage>())
{
    m_gridShown = CKorvexProductInfo::openSettings()->value(gridShownKey, false).toBool();
    setSize(NewPageWidth, NewPageHeight);
    setZValue(0);
}

CKorvexDesignerScreen::~CKorvexDesignerScreen() = default;

CKorvexItemKind CKorvexDesignerScreen::kind() const
{
    return CKorvexItemKind::Screen;
}

int CKorvexDesignerScreen::type() const
{
    return Type;
}

QRectF CKorvexDesignerScreen::boundingRect() const
{
    // The page outline is drawn just outside the page.
    return CKorvexDesignerRect::boundingRect().adjusted(-2, -2, 2, 2);
}

void CKorvexDesignerScreen::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    painter->save();
    QPen outline = pen();
    outline.setColor(QColor(0, 0, 0));
    if (isGradientMode()) {
        paintGradientPage(painter, outline);
    } else {
        painter->fillRect(QRectF(0, 0, width(), height()), brush());
        outline.setWidthF(2);
        painter->setPen(outline);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(-1, -1, width() + 2, height() + 2));
    }
    painter->restore();
    if (m_imageMode && m_backgroundImage->hasPicture())
        paintBackgroundImage(painter, option, widget);
    if (m_gridShown)
        paintGrid(painter, option);
}

void CKorvexDesignerScreen::paintGradientPage(QPainter* painter, const QPen& outline) const
{
    QLinearGradient horizontal(0, 0, width() - 1, 0);
    horizontal.setStops(gradient().stops());
    const QRectF frame(-1, -1, width() + 1, height() + 1);
    painter->setPen(outline);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(frame);
    painter->fillRect(QRect(0, 0, wholeUnits(width() - 1), wholeUnits(height() - 1)), horizontal);
    painter->drawRect(frame);
}

void CKorvexDesignerScreen::paintBackgroundImage(QPainter* painter, const QStyleOptionGraphicsItem* option,
                                                 QWidget* widget)
{
    CKorvexDesignerImage* image = m_backgroundImage.get();
    if (image->width() != width() || image->height() != height()) {
        image->beginResize();
        image->setRect(QRectF(pos(), QSizeF(width(), height())));
        image->endResize();
    }
    image->setPos(pos());
    image->paint(painter, option, widget);
}

void CKorvexDesignerScreen::paintGrid(QPainter* painter, const QStyleOptionGraphicsItem* option) const
{
    CKorvexDesignerContext* context = CKorvexDesignerContext::of(scene());
    const int step = context ? context->gridSize() : 1;
    if (step < 2)
        return;
    QRectF visible(0, 0, width(), height());
    if (option && !option->exposedRect.isEmpty())
        visible = visible.intersected(option->exposedRect);
    if (visible.width() / step > maximumGridLines || visible.height() / step > maximumGridLines)
        return;
    painter->save();
    QPen linePen = pen();
    const double bottom = std::trunc(height());
    const double right = std::trunc(width());
    linePen.setColor(QColor(255, 0, 0, 100));
    painter->setPen(linePen);
    for (double x = std::ceil(visible.left() / step) * step; x <= qMin(width(), visible.right()); x += step)
        painter->drawLine(QPointF(x, 0), QPointF(x, bottom));
    linePen.setColor(QColor(0, 0, 255, 100));
    painter->setPen(linePen);
    for (double y = std::ceil(visible.top() / step) * step; y <= qMin(height(), visible.bottom()); y += step)
        painter->drawLine(QPointF(0, y), QPointF(right, y));
    painter->restore();
}

bool CKorvexDesignerScreen::isGridShown() const
{
    return m_gridShown;
}

void CKorvexDesignerScreen::setGridShown(bool shown)
{
    m_gridShown = shown;
    CKorvexProductInfo::openSettings()->setValue(gridShownKey, shown);
    repaint();
}

void CKorvexDesignerScreen::toggleGrid()
{
    setGridShown(!m_gridShown);
}

int CKorvexDesignerScreen::dpi() const
{
    return m_dpi;
}

void CKorvexDesignerScreen::setDpi(int dpi)
{
    m_dpi = dpi;
}

QString CKorvexDesignerScreen::pageSizeType() const
{
    return m_pageSizeType;
}

void CKorvexDesignerScreen::setPageSizeType(const QString& type)
{
    m_pageSizeType = type;
}

bool CKorvexDesignerScreen::isImageMode() const
{
    return m_imageMode;
}

void CKorvexDesignerScreen::setImageMode(bool on)
{
    m_imageMode = on;
    repaint();
}

CKorvexDesignerImage* CKorvexDesignerScreen::backgroundImage() const
{
    return m_backgroundImage.get();
}

int CKorvexDesignerScreen::imageSource() const
{
    return m_backgroundImage->imageSource();
}

void CKorvexDesignerScreen::setImageSource(int source)
{
    m_backgroundImage->setImageSource(source);
    repaint();
}

int CKorvexDesignerScreen::sceneStateChoice() const
{
    return m_backgroundImage->sceneStateChoice();
}

void CKorvexDesignerScreen::setSceneStateChoice(int choice)
{
    m_backgroundImage->setSceneStateChoice(choice);
}

int CKorvexDesignerScreen::sceneStateIndex() const
{
    return m_backgroundImage->sceneStateIndex();
}

void CKorvexDesignerScreen::setSceneStateIndex(int index)
{
    m_backgroundImage->setSceneStateIndex(index);
}

QString CKorvexDesignerScreen::sceneStateName() const
{
    return m_backgroundImage->sceneStateName();
}

void CKorvexDesignerScreen::setSceneStateName(const QString& name)
{
    m_backgroundImage->setSceneStateName(name);
}

QString CKorvexDesignerScreen::dictionaryKey() const
{
    return m_backgroundImage->dictionaryKey();
}

void CKorvexDesignerScreen::setDictionaryKey(const QString& key)
{
    m_backgroundImage->setDictionaryKey(key);
    repaint();
}

QString CKorvexDesignerScreen::path() const
{
    return m_backgroundImage->path();
}

void CKorvexDesignerScreen::setPath(const QString& path)
{
    m_backgroundImage->setPath(path);
    repaint();
}

void CKorvexDesignerScreen::sizeChanged()
{
    fitSceneRect();
}

QVariant CKorvexDesignerScreen::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemSceneHasChanged)
        fitSceneRect();
    return CKorvexDesignerRect::itemChange(change, value);
}

void CKorvexDesignerScreen::fitSceneRect()
{
    if (scene())
        scene()->setSceneRect(-30, -30, width() + 60, height() + 60);
}
