#pragma once

#include <QGraphicsScene>
#include <QPointer>

class QMenu;

/// The page being designed: the scene that the main window shows in its one view.
class CKorvexDesignerScene : public QGraphicsScene
{
    Q_OBJECT

public:
    explicit CKorvexDesignerScene(QObject* parent = nullptr);
    ~CKorvexDesignerScene() override;

    /// The item type name the next left press creates; empty means the pointer tool.
    void setCreationType(const QString& type);
    QString creationType() const;

    bool has3DArea() const;
    void updateHandleSizes();

    void setItemMenu(QMenu* menu);
    void setPageMenu(QMenu* menu);
    QMenu* itemMenu() const;
    QMenu* pageMenu() const;

    /// Asks the window that owns the scene to switch back to the pointer tool.
    void resetToPointerTool();

public slots:
    void setCursor(Qt::CursorShape shape);

signals:
    void pointerToolRequested();

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QString m_creationType;
    QPointer<QMenu> m_itemMenu;
    QPointer<QMenu> m_pageMenu;
};
