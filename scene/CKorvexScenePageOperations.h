#pragma once

#include <QList>

class CKorvexDesignerScene;
class QGraphicsItem;
class QString;

/// The scene's whole-page operations: stacking, clipboard, deletion, reset.
class CKorvexScenePageOperations
{
public:
    /// Renumbers the page items 1, 2, 3... with the selection on top (or at the bottom).
    static void restack(CKorvexDesignerScene& scene, bool selectionOnTop);
    /// Item blocks of the selected items, bottom first, joined by line feeds; screen and 3D area left out.
    static QString copyText(CKorvexDesignerScene& scene);
    static void copy(CKorvexDesignerScene& scene);
    /// Builds the blocks of clipboard-style text; false at the first record the builder refuses.
    static bool pasteText(CKorvexDesignerScene& scene, const QString& text);
    static void paste(CKorvexDesignerScene& scene);
    static void deleteSelection(CKorvexDesignerScene& scene);
    /// A new page, after asking for its size when told to; false when that was cancelled.
    static bool resetPage(CKorvexDesignerScene& scene, bool askForPageSize);

private:
    static QList<QGraphicsItem*> itemsToDelete(CKorvexDesignerScene& scene);
    static bool pasteBlocks(CKorvexDesignerScene& scene, const QString& text);
};
