#pragma once

#include <QString>

class QGraphicsItem;

/// Makes the page item of a record "type": as the tools make it, or as the item builder starts it.
class CKorvexItemFactory
{
public:
    /// True for the nine kind names.
    static bool isKnownType(const QString& type);
    /// The kind that handles a type: "text" and "link" are labels; other names unchanged.
    static QString handlingKind(const QString& type);

    /// A new item with the tool defaults, or null for an unknown type.
    static QGraphicsItem* createForTool(const QString& type);
    /// A new item as the template reader and paste start it, or null for an unknown type.
    /// recordFollows: a record is applied at once, so a label need not show its placeholder first.
    static QGraphicsItem* createForRecord(const QString& type, bool recordFollows = false);
};
