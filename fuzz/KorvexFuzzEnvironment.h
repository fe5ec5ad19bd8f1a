#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

/// What every fuzz target needs before its first input: an application object (offscreen),
/// the core action kinds registered, a private home, settings store and temporary folder, and
/// prompts that never block. Under the corpus replay test the test's own environment already
/// provides the application, home and prompts; only the private temporary folder is added.
class KorvexFuzzEnvironment
{
public:
    /// Sets the environment up on the first call; cheap afterwards.
    static KorvexFuzzEnvironment& instance();

    /// The private temporary folder; QDir::tempPath() names it too.
    QString tempPath() const;
    /// Writes the input into the temporary folder under the name; the path, or a failed check.
    QString writeInput(const char* target, const QString& name, const uint8_t* data, size_t size) const;

private:
    KorvexFuzzEnvironment();
    void makeApplication();

    QString m_root;
};

/// The fuzzer's input as bytes (copied: the input buffer is only lent for the call).
QByteArray korvexFuzzBytes(const uint8_t* data, size_t size);
/// The input decoded as UTF-8, as the readers decode their files.
QString korvexFuzzText(const uint8_t* data, size_t size);

/// Stops the process with a message when an input breaks a reader's promise; the fuzzer
/// keeps the input as a crash and the replay test fails on it.
[[noreturn]] void korvexFuzzFail(const char* target, const char* what, const QString& detail = QString());

#define KORVEX_FUZZ_CHECK(target, condition, detail)                                                  \
    do {                                                                                               \
        if (!(condition))                                                                              \
            korvexFuzzFail(target, #condition, detail);                                                \
    } while (false)
