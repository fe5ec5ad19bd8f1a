#pragma once

#include <QPointF>
#include <QStringList>

class CKorvexDesignerProperty;
class CKorvexDesignerScene;
class CKorvexDesignerScreen;
class QGraphicsItem;

/// How the scene makes items: the page, items drawn with a tool or dropped, and items
/// built from records of a template or the clipboard, each recorded for undo.
class CKorvexSceneItemMaker
{
public:
    explicit CKorvexSceneItemMaker(CKorvexDesignerScene& scene);

    CKorvexDesignerScreen* makeScreen();
    QGraphicsItem* createItem(const QString& type, const QPointF& position);
    bool addItemFromProperties(const CKorvexDesignerProperty& record);
    /// recordUndo false builds without undo steps, for a read whose history is cleared after it.
    bool addItemsFromLines(const QStringList& lines, bool recordUndo = true);

private:
    QGraphicsItem* makeOrReuseItem(const QString& type, const QPointF& position);
    void attachNewItem(QGraphicsItem* item, const QString& type, const QPointF& position);
    QGraphicsItem* buildItem(const QString& kind);
    void recordCreation(QGraphicsItem* item, bool recordIsCurrent = false);
    void recordMove(QGraphicsItem* item, const CKorvexDesignerProperty& before);
    bool addBlocks(const QStringList& lines);

    CKorvexDesignerScene& m_scene;
    bool m_recordUndo = true;
};
