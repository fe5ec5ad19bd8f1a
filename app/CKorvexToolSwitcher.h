#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class CKorvexDesignerScene;
class QAction;

/// Keeps the tool bar's checkable tools exclusive and the scene's creation type in step with them.
class CKorvexToolSwitcher
{
public:
    CKorvexToolSwitcher(QAction* pointer, CKorvexDesignerScene* scene);

    /// Every action of the tool bar, checkable or not.
    void setToolBarActions(const QList<QAction*>& actions);

    /// Runs for a tool whose checked state changed; the pointer tool has an empty type.
    void onToolToggled(QAction* tool, bool checked, const QString& type);
    /// Unchecks every tool but the pointer, which leaves the pointer checked.
    void uncheckAllButPointer();

private:
    void uncheckOthers(QAction* tool);
    bool anyChecked() const;
    void checkPointerQuietly();

    QPointer<QAction> m_pointer;
    CKorvexDesignerScene* m_scene = nullptr;
    QList<QPointer<QAction>> m_actions;
};
