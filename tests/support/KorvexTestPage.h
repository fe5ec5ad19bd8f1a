#pragma once

// Builds page items in a design scene from the "key:value" lines of their item blocks.

#include "io/CKorvexDesignerProperty.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScene.h"

#include <QGraphicsItem>
#include <QStringList>

namespace KorvexTestPage {

/// The record of "key:value" lines, as a block holds them between "item begin" and "item end".
inline CKorvexDesignerProperty record(const QStringList& lines)
{
    CKorvexDesignerProperty result;
    result.fromItemBlock(lines.join(QLatin1Char('\n')));
    return result;
}

/// Builds an item through the scene's item builder; null when the builder refuses the record.
/// A "type:screen" record is applied to the page itself.
inline QGraphicsItem* add(CKorvexDesignerScene& scene, const QStringList& lines)
{
    return scene.addItemFromProperties(record(lines)) ? scene.currentItem() : nullptr;
}

/// The "type" of every page item, bottom first, joined by blanks.
inline QString pageTypes(const CKorvexDesignerScene& scene)
{
    QStringList types;
    const QList<QGraphicsItem*> items = scene.pageItems();
    for (QGraphicsItem* item : items)
        types.append(CKorvexDesignerItem::companionOf(item)->record().value(QStringLiteral("type")).toString());
    return types.join(QLatin1Char(' '));
}

} // namespace KorvexTestPage
