#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class CKorvexDocumentCommands;
class DesignerMainWindow;
class QLockFile;

/// Keeps a copy of unsaved work beside the settings, so that a crash or a power cut loses at
/// most a few minutes: written while the document has unsaved changes, removed when the work is
/// saved or given up, offered at the next start. One designer at a time holds the copy.
class CKorvexRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr int interval = 2 * 60 * 1000;

    CKorvexRecovery(DesignerMainWindow& window, CKorvexDocumentCommands& document);
    ~CKorvexRecovery() override;

    /// Takes the copy unless another running designer holds it, offers a copy that a run which
    /// did not end cleanly left, and starts writing. Does nothing when another designer holds it.
    void start();
    /// Removes the copy: its work is saved or given up.
    void discard();
    /// Where the copy is written: beside the settings store.
    QString packagePath() const;

public slots:
    /// Writes the copy while the document is modified, once for each state of the page.
    void onTimer();

private:
    QString sidePath(const QString& suffix) const;
    QString pageState() const;
    void offer();
    bool recoveredPageReads() const;
    void setAside();

    DesignerMainWindow& m_window;
    CKorvexDocumentCommands& m_document;
    std::unique_ptr<QLockFile> m_lock;
    QTimer m_timer;
    QString m_writtenState;
};
