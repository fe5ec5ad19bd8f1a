#include "scene/CKorvexDesignerScene.h"

#include "scene/CKorvexDesignerContext.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QMenu>
#include <QPainter>

CKorvexDesignerScene::CKorvexDesignerScene(QObject* parent)
    : QGraphicsScene(parent)
{
    setSceneRect(0, 0, 500, 700);
    CKorvexDesignerContext::setSnappingSuspended(false);
    CKorvexDesignerContext::setCurrentScene(this);
}

CKorvexDesignerScene::~CKorvexDesignerScene()
{
    if (CKorvexDesignerContext::currentScene() == this)
        CKorvexDesignerContext::setCurrentScene(nullptr);
}

void CKorvexDesignerScene::setCreationType(const QString& type)
{
    m_creationType = type;
    setCursor(type.isEmpty() ? Qt::ArrowCursor : Qt::CrossCursor);
}

QString CKorvexDesignerScene::creationType() const
{
    return m_creationType;
}

bool CKorvexDesignerScene::has3DArea() const
{
    return false;
}

void CKorvexDesignerScene::updateHandleSizes()
{
}

void CKorvexDesignerScene::setItemMenu(QMenu* menu)
{
    m_itemMenu = menu;
}

void CKorvexDesignerScene::setPageMenu(QMenu* menu)
{
    m_pageMenu = menu;
}

QMenu* CKorvexDesignerScene::itemMenu() const
{
    return m_itemMenu;
}

QMenu* CKorvexDesignerScene::pageMenu() const
{
    return m_pageMenu;
}

void CKorvexDesignerScene::resetToPointerTool()
{
    emit pointerToolRequested();
}

void CKorvexDesignerScene::setCursor(Qt::CursorShape shape)
{
    const auto allViews = views();
    for (QGraphicsView* view : allViews)
        view->viewport()->setCursor(shape);
}

void CKorvexDesignerScene::drawBackground(QPainter* painter, const QRectF& rect)
{
    QGraphicsScene::drawBackground(painter, rect);
    // The blank page until a page background item covers it.
    painter->setPen(QPen(QColor(0, 52, 75), 0));
    painter->setBrush(Qt::white);
    painter->drawRect(sceneRect());
}

void CKorvexDesignerScene::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::RightButton && m_pageMenu && m_itemMenu) {
        m_pageMenu->exec(event->screenPos());
        return;
    }
    QGraphicsScene::mousePressEvent(event);
}
