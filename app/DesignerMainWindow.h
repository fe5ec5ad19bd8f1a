#pragma once

#include "app/CKorvexMainWindowUi.h"

#include <QMainWindow>
#include <memory>

class CKorvexDesignerScene;
class CKorvexDocumentCommands;
class CKorvexRecovery;
class CKorvexToolSwitcher;
class QGraphicsView;
class QMenu;

/// The one top-level window of the designer: page view, property dock, menus, tool bar and zoom.
class DesignerMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit DesignerMainWindow(QWidget* parent = nullptr);
    ~DesignerMainWindow() override;

    /// Restores the remembered folders and the window geometry from the "Designer" settings.
    void readSettings();
    /// Writes the remembered folders and the window geometry to the "Designer" settings.
    void writeSettings() const;

    /// Remembers a path as the place where the Open and Save dialogs start.
    void setDocumentPaths(const QString& path);
    /// Opens the template at path in place of the page; a failure is reported to the user.
    void openTemplateFile(const QString& path);
    /// The window's dirty flag, the scene's modified flag or the panel's pending change.
    bool isModified() const;

    void setCurrentFile(const QString& path) { m_currentFile = path; }
    void setOpenPath(const QString& path) { m_openPath = path; }
    void setSavePath(const QString& path) { m_savePath = path; }

    int zoomPercent() const { return m_zoomPercent; }
    QString currentFile() const { return m_currentFile; }
    bool isDirty() const { return m_dirty; }
    QString openPath() const { return m_openPath; }
    QString savePath() const { return m_savePath; }
    QString packageSavePath() const { return m_packageSavePath; }

    CKorvexDesignerScene* scene() const { return m_scene; }
    QGraphicsView* view() const { return m_view; }
    const CKorvexMainWindowUi& ui() const { return m_ui; }
    QMenu* pageMenu() const { return m_pageMenu; }

    /// Chooses the zoom box entry that shows the whole page in the view.
    void zoomToFit();
    /// Fills File > Open Recent from the recent files list.
    void refreshRecentFiles();
    /// The copy of unsaved work kept against crashes.
    CKorvexRecovery& recovery() const { return *m_recovery; }

public slots:
    void onNew();
    void onOpen();
    void onSave();
    void onSaveAs();
    void onExport();
    void onPageSize();
    void onExit();
    void onCut();
    void onCopy();
    void onPaste();
    void onDelete();
    void onSendToBack();
    void onBringToFront();
    void onUndo();
    void onRedo();
    void onDictionary();
    void onPreferences();
    void gridTriggered();
    void onAbout();
    void setDirty(bool dirty = true);

    void onPointerActionToggled(bool checked);
    void onLineActionToggled(bool checked);
    void onRectActionToggled(bool checked);
    void on3DAreaActionToggled(bool checked);
    void onLableActionToggled(bool checked);
    void onImageActionToggled(bool checked);
    void onFormTextBoxActionToggled(bool checked);

    void zoomInTrigger();
    void zoomOutTrigger();
    void onZoomBoxChanged(int index);
    void dockWidgetVisibilityChanged(bool visible);
    void languageChanged(bool checked);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createView();
    void createLanguageMenu();
    void connectMenuActions();
    void connectFileActions();
    void connectEditActions();
    void connectToolActions();
    void connectViewActions();
    QString untitledTitle() const;

    int m_zoomPercent = 100;
    QString m_currentFile;
    bool m_dirty = false;
    QString m_openPath;
    QString m_savePath;
    QString m_packageSavePath;

    CKorvexMainWindowUi m_ui;
    CKorvexDesignerScene* m_scene = nullptr;
    QGraphicsView* m_view = nullptr;
    QMenu* m_pageMenu = nullptr;
    std::unique_ptr<CKorvexToolSwitcher> m_tools;
    std::unique_ptr<CKorvexDocumentCommands> m_document;
    std::unique_ptr<CKorvexRecovery> m_recovery;
};
