#pragma once

#include <QCoreApplication>
#include <QString>

class CKorvexBusyPopup;
class DesignerMainWindow;

/// The document commands of the main window: new, open, open by path, save, save as and the
/// question whether the window may close. The document's fields stay in the window.
class CKorvexDocumentCommands
{
    Q_DECLARE_TR_FUNCTIONS(DesignerMainWindow)

public:
    explicit CKorvexDocumentCommands(DesignerMainWindow& window);
    ~CKorvexDocumentCommands();

    void newDocument();
    void open();
    void openPath(const QString& path);
    void save();
    void saveAs();
    /// Opens a file of the recent list; a file that is gone leaves the list with a message.
    void openRecent(const QString& path);
    /// Draws the page as shown at 100 % into a PNG picture or a PDF page chosen by the user.
    void exportPage();
    /// Opens a recovered page as unsaved work whose Save As starts at originalPath.
    bool openRecovered(const QString& path, const QString& originalPath);
    /// Asks about unsaved changes and writes the settings; false when the user cancelled.
    bool mayClose();

    /// "Korvex Template Designer - " followed by what names the document.
    static QString titleFor(const QString& document);
    static QString templateFilter();

private:
    /// Offers to save a modified document; false when the command must stop.
    bool confirmDiscard(const QString& title);
    void returnToPointer();
    void openChosen(const QString& path);
    /// Replaces the page by the template at path, titled as a new document.
    bool readPage(const QString& path);
    QString exportStart() const;
    QString chooseSaveName();
    bool writeTemplate(const QString& target);

    DesignerMainWindow& m_window;
    CKorvexBusyPopup* m_busyPopup = nullptr;
};
