#include "tools/CKorvexTemplateInfo.h"

#include "io/CKorvexTemplateWriter.h"
#include "io/CKorvexPropertyKeys.h"
#include "scene/CKorvexDesignerScene.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

QList<CKorvexTemplateInfo::Item> CKorvexTemplateInfo::itemsOf(CKorvexDesignerScene& scene)
{
    QList<Item> items;
    const QStringList blocks = CKorvexTemplateWriter(scene.writtenRecords()).itemBlocks();
    for (const QString& block : blocks)
        items.append(itemOfBlock(block));
    return items;
}

CKorvexTemplateInfo::Item CKorvexTemplateInfo::itemOfBlock(const QString& block)
{
    // The writer's own block: keys hold no colon and values no line feed.
    Item item;
    const QStringList lines = block.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString key = line.left(colon);
        const QString value = line.mid(colon + 1);
        item.record.append(qMakePair(key, value));
        if (key == CKorvexPropertyKeys::Type)
            item.type = value;
    }
    return item;
}

QString CKorvexTemplateInfo::text(std::optional<unsigned> version, const QList<Item>& items)
{
    QString text = QStringLiteral("version: %1\n").arg(version ? QString::number(*version) : QStringLiteral("none"));
    for (int index = 0; index < items.size(); ++index) {
        text += QStringLiteral("item %1: %2\n").arg(QString::number(index + 1), items.at(index).type);
        for (const auto& entry : items.at(index).record)
            text += QStringLiteral("  ") + entry.first + QLatin1Char(':') + entry.second + QLatin1Char('\n');
    }
    return text;
}

QByteArray CKorvexTemplateInfo::json(std::optional<unsigned> version, const QList<Item>& items)
{
    QJsonArray list;
    for (const Item& item : items) {
        QJsonObject record;
        for (const auto& entry : item.record)
            record.insert(entry.first, entry.second);
        list.append(QJsonObject{{QStringLiteral("type"), item.type}, {QStringLiteral("record"), record}});
    }
    QJsonObject root;
    root.insert(QStringLiteral("version"), version ? QJsonValue(qint64(*version)) : QJsonValue(QJsonValue::Null));
    root.insert(QStringLiteral("items"), list);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
