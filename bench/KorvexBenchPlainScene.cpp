#include "bench/KorvexBenchPlainScene.h"

#include "io/CKorvexPropertyKeys.h"
#include "io/CKorvexPropertyValue.h"

#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QPen>

namespace P = CKorvexPropertyKeys;
namespace T = CKorvexItemTypes;

KorvexBenchPlainScene::KorvexBenchPlainScene(const QList<CKorvexDesignerProperty>& records, QObject* parent)
    : QGraphicsScene(parent)
{
    for (const CKorvexDesignerProperty& record : records)
        addRecord(record);
}

int KorvexBenchPlainScene::itemCount() const
{
    return m_itemCount;
}

void KorvexBenchPlainScene::selectAll()
{
    const auto all = items();
    for (QGraphicsItem* item : all) {
        if (item->flags() & QGraphicsItem::ItemIsSelectable)
            item->setSelected(true);
    }
}

void KorvexBenchPlainScene::addRecord(const CKorvexDesignerProperty& record)
{
    const QString type = record.value(P::Type).toString();
    const QPointF place = CKorvexPropertyValue::point(record.value(P::StartLocation));
    const QColor pen = CKorvexPropertyValue::color(record.value(P::PenColor)).value_or(Qt::black);
    const QColor fill = CKorvexPropertyValue::color(record.value(P::FillColor)).value_or(Qt::transparent);
    QGraphicsItem* item = nullptr;
    if (type == T::Label) {
        auto* text = new QGraphicsTextItem;
        text->setHtml(record.value(P::Html).toString());
        text->setTextWidth(record.value(P::Width).toDouble());
        item = text;
    } else if (type == T::Line) {
        const QPointF end = CKorvexPropertyValue::point(record.value(P::EndLocation));
        auto* rect = new QGraphicsRectItem(QRectF(QPointF(0, 0), end - place).normalized());
        rect->setPen(QPen(pen, record.value(P::PenWidth).toDouble()));
        item = rect;
    } else {
        auto* rect = new QGraphicsRectItem(0, 0, record.value(P::Width).toDouble(), record.value(P::Height).toDouble());
        rect->setPen(QPen(pen, qMax(1.0, record.value(P::PenWidth).toDouble())));
        rect->setBrush(fill);
        item = rect;
    }
    item->setPos(place);
    item->setZValue(record.value(P::ZValue).toDouble());
    addItem(item);
    if (type == T::Screen)
        return;
    item->setFlags(QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemIsMovable);
    ++m_itemCount;
}
