#pragma once

#include "io/CKorvexDesignerProperty.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexPageSetup.h"

#include <QGraphicsScene>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <memory>

class CKorvexDesignerItem;
class CKorvexDesignerScreen;
class CKorvexPropertyPanel;
class CKorvexSceneInput;
class CKorvexSceneItemMaker;
class QGraphicsRectItem;
class QMenu;
class QTextDocument;

namespace Korvex {
class CKorvexUndoGroupCommand;
class CKorvexUndoManager;
}

/// The page being designed: the screen, every page item, the rubber band and the handles.
/// Turns pointer and key input into creation, selection, moves and resizes on the grid,
/// and groups every edit into undo steps.
class CKorvexDesignerScene : public QGraphicsScene
{
    Q_OBJECT

public:
    /// Records its undo steps into history, or into the core's one undo manager when none is given.
    explicit CKorvexDesignerScene(QObject* parent = nullptr, Korvex::CKorvexUndoManager* history = nullptr);
    ~CKorvexDesignerScene() override;

    /// What this page shares with its items.
    CKorvexDesignerContext& context() { return m_context; }
    const CKorvexDesignerContext& context() const { return m_context; }
    Korvex::CKorvexUndoManager& undoManager() const { return *m_undoManager; }

    /// The item type name the next left press creates; empty means the pointer tool.
    void setCreationType(const QString& type);
    QString creationType() const { return m_creationType; }

    QGraphicsItem* createItem(const QString& type, const QPointF& position);
    /// The item builder: false only for a record without a known "type".
    bool addItemFromProperties(const CKorvexDesignerProperty& record);
    /// Cuts item blocks out of template lines and builds each; false on the first refusal.
    bool addItemsFromLines(const QStringList& lines);
    void applyProperties(QGraphicsItem* item, const CKorvexDesignerProperty& record);
    /// The item's record built from its state; also stored in its companion.
    CKorvexDesignerProperty itemProperties(QGraphicsItem* item);

    bool has3DArea() const;
    QGraphicsItem* find3DArea() const;
    void selectItem(QGraphicsItem* item, bool selected);
    void deselectAll();
    void refreshItems();
    void updateHandleSizes();
    void resetToPointerTool();
    /// Clears the page for a new document; asking shows the page size dialog first, and a
    /// cancelled dialog keeps the page (only the undo history is cleared). False when cancelled.
    bool resetPage(bool askForPageSize);
    /// How the scene asks for a page size (the dialog lives above the model).
    void setPageSetupChooser(CKorvexPageSetupChooser chooser);
    /// Asks the chooser for a page size; false without a chooser or when it was cancelled.
    bool choosePageSetup(CKorvexPageSetup& setup) const;
    /// Removes every item, the page included, and makes a fresh page.
    void clearPage();
    /// The page and the panel hold no unsaved change any more.
    void clearPendingChanges();
    CKorvexPageSetup pageSetup() const;
    void applyPageSetup(const CKorvexPageSetup& setup);
    static QStringList usedFontFamilies(const QTextDocument* document);

    void setPropertyWidget(CKorvexPropertyPanel* panel) { m_propertyPanel = panel; }
    CKorvexPropertyPanel* propertyWidget() const { return m_propertyPanel; }
    /// Shows the item's record in the panel (null: no item); while the panel is held, only the
    /// last item asked for is shown, when it is released.
    void showInPanel(QGraphicsItem* item);
    void holdPanel();
    void releasePanel();
    /// Shows the current item's record again after its item changed underneath.
    void refreshPropertyPanel();
    /// Shows the item and opens its main editor in the panel.
    void openItemEditor(QGraphicsItem* item);

    void setItemMenu(QMenu* menu);
    void setPageMenu(QMenu* menu);
    QMenu* itemMenu() const;
    QMenu* pageMenu() const;

    CKorvexDesignerScreen* screen() const { return m_screen; }
    QGraphicsItem* currentItem() const { return m_currentItem; }
    void setCurrentItem(QGraphicsItem* item) { m_currentItem = item; }
    QGraphicsRectItem* rubberBand() const { return m_rubberBand; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified = true) { m_modified = modified; }
    bool isDraggingSelection() const { return m_draggingSelection; }
    void setDraggingSelection(bool dragging) { m_draggingSelection = dragging; }

    /// Items with a companion, the screen excepted, in stacking order from the bottom.
    QList<QGraphicsItem*> pageItems() const;
    /// The page items whose companion is in the selection set.
    QList<QGraphicsItem*> selectedPageItems() const;
    /// What a pointer or key gesture can change: the selected items and the current item.
    QList<QGraphicsItem*> gestureScope() const;
    /// Drops a hidden or shown-again item from the selection state and repaints.
    void forgetItemSelection(QGraphicsItem* item);
    /// Rescales every item from its geometry snapshot to the page's size now.
    void rescaleItems();

    /// The records of the items a save writes, bottom-most first.
    QList<CKorvexDesignerProperty> writtenRecords();
    /// Saved: shown, not deleted, and with a record.
    static bool isWritten(const QGraphicsItem* item);
    bool writeTemplate(const QString& targetPath);
    /// Writes the package as writeTemplate does, leaving the change flags and the current item as they are.
    bool writeTemplateCopy(const QString& targetPath);
    bool readTemplate(const QString& path);
    /// Draws the page, without grid, handles or 3D preview picture, into "_preview.png" beside the text file.
    virtual bool writePreview(const QString& textFilePath);
    /// Clears the change flags and shows the page after a successful read.
    void finishTemplateRead();
    QString currentTemplatePath() const { return m_currentTemplatePath; }
    void setCurrentTemplatePath(const QString& path);
    QStringList temporaryFolders() const { return m_temporaryFolders; }
    void addTemporaryFolder(const QString& folder) { m_temporaryFolders.append(folder); }
    /// Removes the working folders of the templates read so far.
    void removeTemporaryFolders();

public slots:
    void sendToBack();
    void bringToFront();
    void copySelectedItems();
    void pasteSelectedItems();
    void deleteSelectedItems();
    void setCursor(Qt::CursorShape shape);
    void toggleGrid();
    /// Snapshots every item's record: the step then holds whatever the edit changes.
    void beginState();
    /// Snapshots only these items and the page, for an edit that can change nothing else: the
    /// cost follows what the edit touches, not the size of the page.
    void beginState(const QList<QGraphicsItem*>& scope);
    void endState(Korvex::CKorvexUndoGroupCommand* group = nullptr);
    void undo();
    void redo();
    void saveViewStateAndTurnOffFlags();
    void restoreViewState();
    void ClearSelection();

signals:
    /// Asks the window that owns the scene to switch back to the pointer tool.
    void pointerToolRequested();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent* event) override;
    void dragMoveEvent(QGraphicsSceneDragDropEvent* event) override;
    void dropEvent(QGraphicsSceneDragDropEvent* event) override;

private:
    void createScreen();
    QString templateFolder() const;
    void forgetItemState();
    void destroyAllItems();
    QList<CKorvexDesignerItem*> stateCompanions() const;

    CKorvexDesignerContext m_context;
    Korvex::CKorvexUndoManager* m_undoManager;
    bool m_inState = false;
    QString m_currentTemplatePath;
    // Every item a read builds looks its pictures up there.
    QString m_templateFolder;
    QString m_creationType;
    QStringList m_temporaryFolders;
    QGraphicsItem* m_currentItem = nullptr;
    QGraphicsRectItem* m_rubberBand = nullptr;
    QPointer<QMenu> m_itemMenu;
    QPointer<QMenu> m_pageMenu;
    CKorvexDesignerScreen* m_screen = nullptr;
    bool m_draggingSelection = false;
    bool m_modified = false;
    bool m_savedSmoothPixmap = false;
    QHash<CKorvexDesignerItem*, CKorvexDesignerProperty> m_stateSnapshot;
    CKorvexPropertyPanel* m_propertyPanel = nullptr;
    int m_panelHolds = 0;
    bool m_panelShowPending = false;
    QGraphicsItem* m_panelPendingItem = nullptr;
    CKorvexPageSetupChooser m_pageSetupChooser;
    std::unique_ptr<CKorvexSceneInput> m_input;
    std::unique_ptr<CKorvexSceneItemMaker> m_maker;
};
