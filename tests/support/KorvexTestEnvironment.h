#pragma once

#include <QTemporaryDir>
#include <memory>

class KorvexScriptedPrompt;

/// Gives a test process its own home, settings and data folders, and a prompt handler
/// that never blocks. Construct it before the application object.
class KorvexTestEnvironment
{
public:
    KorvexTestEnvironment();
    ~KorvexTestEnvironment();

    QString homePath() const;
    /// Empties the settings store, so a test starts as on a first run.
    static void clearSettings();

private:
    QTemporaryDir m_root;
    std::unique_ptr<KorvexScriptedPrompt> m_fallbackPrompt;
};
