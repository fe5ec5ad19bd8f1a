#pragma once

#include <QTemporaryDir>

/// Points this process's settings store at a fresh, empty folder, so that a run can change
/// settings (an imported dictionary) without touching the user's; the folder goes with it.
class CKorvexPrivateSettings
{
public:
    /// Must run before anything opens the settings store; false when no folder can be made.
    bool activate();
    bool isActive() const { return m_active; }
    QString folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    bool m_active = false;
};
