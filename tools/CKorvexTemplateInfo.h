#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

class CKorvexDesignerScene;

/// What a template holds, as a save would write it: the read version and each item's type
/// and record texts, bottom item first, the page among them.
class CKorvexTemplateInfo
{
public:
    struct Item
    {
        QString type;
        /// Key and value text pairs in the block's order.
        QList<QPair<QString, QString>> record;
    };

    /// The items of the blocks a save of the scene would write (paths as package names).
    static QList<Item> itemsOf(CKorvexDesignerScene& scene);
    /// The key and value pairs of one item block.
    static Item itemOfBlock(const QString& block);

    /// "version: N" (or "none"), then per item "item N: type" and its "  key:value" lines.
    static QString text(std::optional<unsigned> version, const QList<Item>& items);
    /// {"version": N or null, "items": [{"type": ..., "record": {key: value}}]}.
    static QByteArray json(std::optional<unsigned> version, const QList<Item>& items);
};
