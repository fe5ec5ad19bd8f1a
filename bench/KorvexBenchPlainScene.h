#pragma once

#include "io/CKorvexDesignerProperty.h"

#include <QGraphicsScene>
#include <QList>

/// The framework's floor: a bare graphics scene holding plain rectangle and text items with the
/// geometry and texts of a benchmark page, all selectable and movable.
class KorvexBenchPlainScene : public QGraphicsScene
{
    Q_OBJECT

public:
    explicit KorvexBenchPlainScene(const QList<CKorvexDesignerProperty>& records, QObject* parent = nullptr);

    int itemCount() const;
    void selectAll();

private:
    void addRecord(const CKorvexDesignerProperty& record);

    int m_itemCount = 0;
};
