#include "scene/CKorvexScenePageOperations.h"

#include "core/CKorvexUndoCommandStack.h"
#include "core/CKorvexUndoGroupCommand.h"
#include "core/CKorvexUndoManager.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexDesignerText.h"
#include "io/CKorvexPropertyKeys.h"
#include "scene/CKorvexPropertyPanel.h"
#include "scene/CKorvexResizeHandles.h"
#include "scene/CKorvexSceneInput.h"
#include "undo/CKorvexUndoItemDeletedCommand.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStringList>

using Korvex::CKorvexUndoCommandStack;
using Korvex::CKorvexUndoGroupCommand;

void CKorvexScenePageOperations::restack(CKorvexDesignerScene& scene, bool selectionOnTop)
{
    if (!scene.currentItem())
        return;
    QList<QGraphicsItem*> selected;
    QList<QGraphicsItem*> others;
    const auto items = scene.pageItems();
    for (QGraphicsItem* item : items) {
        if (CKorvexDesignerItem::companionOf(item)->isSelected())
            selected.append(item);
        else
            others.append(item);
    }
    const QList<QGraphicsItem*> order = selectionOnTop ? others + selected : selected + others;
    int value = 1;
    for (QGraphicsItem* item : order)
        item->setZValue(value++);
}

QString CKorvexScenePageOperations::copyText(CKorvexDesignerScene& scene)
{
    QStringList blocks;
    const auto items = scene.pageItems();
    for (QGraphicsItem* item : items) {
        const CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item);
        if (!companion->hasRecord() || !scene.context().selection().contains(const_cast<CKorvexDesignerItem*>(companion))
            || companion->recordType() == CKorvexItemTypes::Area3D)
            continue;
        blocks.append(scene.itemProperties(item).toItemBlock());
    }
    return blocks.join(QLatin1Char('\n'));
}

void CKorvexScenePageOperations::copy(CKorvexDesignerScene& scene)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QString text = copyText(scene);
    if (!text.isEmpty())
        clipboard->setText(text);
}

bool CKorvexScenePageOperations::pasteText(CKorvexDesignerScene& scene, const QString& text)
{
    // Only the last item pasted is seen in the panel, and the clipboard's actions are ours.
    scene.holdPanel();
    scene.context().beginOwnRecords();
    const bool pasted = pasteBlocks(scene, text);
    scene.context().endOwnRecords();
    scene.releasePanel();
    return pasted;
}

bool CKorvexScenePageOperations::pasteBlocks(CKorvexDesignerScene& scene, const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i) != QLatin1String("item begin"))
            continue;
        int end = i + 1;
        while (end < lines.size() && lines.at(end) != QLatin1String("item end"))
            ++end;
        CKorvexDesignerProperty record;
        record.fromItemLines(lines, i + 1, end - i - 1);
        if (!scene.addItemFromProperties(record))
            return false;
        i = end;
    }
    return true;
}

void CKorvexScenePageOperations::paste(CKorvexDesignerScene& scene)
{
    CKorvexUndoCommandStack::Create(scene.undoManager());
    scene.ClearSelection();
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty())
        pasteText(scene, text);
    scene.refreshItems();
    CKorvexUndoCommandStack::Close(scene.undoManager(), true);
}

QList<QGraphicsItem*> CKorvexScenePageOperations::itemsToDelete(CKorvexDesignerScene& scene)
{
    QList<QGraphicsItem*> result;
    const auto items = scene.pageItems();
    for (QGraphicsItem* item : items) {
        const CKorvexDesignerItem* companion = CKorvexDesignerItem::companionOf(item);
        if (companion->isSelected())
            result.append(item);
    }
    return result;
}

void CKorvexScenePageOperations::deleteSelection(CKorvexDesignerScene& scene)
{
    const QList<QGraphicsItem*> doomed = itemsToDelete(scene);
    for (QGraphicsItem* item : doomed) {
        // Undo puts back the record as the item stands now.
        scene.itemProperties(item);
        scene.selectItem(item, false);
        scene.setModified();
        if (scene.currentItem() == item)
            scene.setCurrentItem(nullptr);
        item->hide();
    }
    scene.clearSelection();
    scene.ClearSelection();
    CKorvexUndoGroupCommand* group = doomed.isEmpty() ? nullptr : CKorvexUndoGroupCommand::Create(scene.undoManager());
    for (QGraphicsItem* item : doomed) {
        auto* deletable = dynamic_cast<CKorvexDeletableItem*>(item);
        if (!deletable)
            continue;
        deletable->setDeleted(true);
        item->setEnabled(false);
        CKorvexUndoItemDeletedCommand::Create(item, false, true, group);
    }
    scene.update();
    scene.showInPanel(nullptr);
}

bool CKorvexScenePageOperations::resetPage(CKorvexDesignerScene& scene, bool askForPageSize)
{
    scene.context().setTemplateReadVersion(std::nullopt);
    CKorvexPageSetup setup = scene.pageSetup();
    const bool accepted = !askForPageSize || scene.choosePageSetup(setup);
    if (accepted) {
        scene.clearPage();
        if (askForPageSize)
            scene.applyPageSetup(setup);
        scene.itemProperties(scene.screen());
        scene.clearPendingChanges();
        scene.showInPanel(scene.screen());
        scene.update();
    }
    // A cancelled dialog keeps the page but still starts a fresh history.
    scene.undoManager().ClearHistory();
    return accepted;
}
