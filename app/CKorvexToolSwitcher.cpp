#include "app/CKorvexToolSwitcher.h"

#include "scene/CKorvexDesignerScene.h"

#include <QAction>
#include <QSignalBlocker>

CKorvexToolSwitcher::CKorvexToolSwitcher(QAction* pointer, CKorvexDesignerScene* scene)
    : m_pointer(pointer)
    , m_scene(scene)
{
}

void CKorvexToolSwitcher::setToolBarActions(const QList<QAction*>& actions)
{
    m_actions.clear();
    for (QAction* action : actions)
        m_actions.append(action);
}

void CKorvexToolSwitcher::onToolToggled(QAction* tool, bool checked, const QString& type)
{
    if (checked)
        uncheckOthers(tool);
    else if (!anyChecked())
        checkPointerQuietly();
    if (tool == m_pointer && checked)
        checkPointerQuietly();
    if (m_scene)
        m_scene->setCreationType(checked ? type : QString());
}

void CKorvexToolSwitcher::uncheckAllButPointer()
{
    uncheckOthers(m_pointer);
}

void CKorvexToolSwitcher::uncheckOthers(QAction* tool)
{
    // Each unchecked tool runs its own slot, which clears the creation type it set.
    const auto actions = m_actions;
    for (const QPointer<QAction>& action : actions) {
        if (action && action != tool && action->isCheckable() && action->isChecked())
            action->setChecked(false);
    }
}

bool CKorvexToolSwitcher::anyChecked() const
{
    for (const QPointer<QAction>& action : m_actions) {
        if (action && action->isChecked())
            return true;
    }
    return false;
}

void CKorvexToolSwitcher::checkPointerQuietly()
{
    if (!m_pointer || m_pointer->isChecked())
        return;
    const QSignalBlocker blocker(m_pointer);
    m_pointer->setChecked(true);
}
