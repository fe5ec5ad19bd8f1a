#pragma once

#include "scene/CKorvexDesignerRect.h"

#include <QString>

/// A form text box of the finished document, named by its custom id for pre-populate actions.
class CKorvexDesignerFormTextBox : public CKorvexDesignerRect
{
public:
    enum { Type = CKorvexItemTypeIds::FormTextBox };

    explicit CKorvexDesignerFormTextBox(QGraphicsItem* parent = nullptr);

    int type() const override;
    CKorvexItemKind kind() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    virtual void setCustomId(const QString& id);
    virtual QString customId() const;

private:
    QString m_customId;
};
