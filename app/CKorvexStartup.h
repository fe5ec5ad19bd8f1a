#pragma once

class CKorvexCommandLine;
class CKorvexDesignerScene;
class DesignerMainWindow;
class QString;

/// The start-up steps around the main window: display attributes, language and the command line.
class CKorvexStartup
{
public:
    /// Scaling and high-resolution pixmaps; must run before the application object exists.
    static void enableHighDpi();
    /// The languages folder named by the "ContentDirectory" setting. Without that setting, and
    /// while the folder it names does not exist, the languages built or installed with the program.
    static QString languagesDirectory();
    static QString languagesDirectory(const QString& programFolder);
    /// Finds the languages and installs the translators of the chosen one.
    static void installLanguage();
    /// Opens the template the command line names, or shows the window and starts a new document.
    static void applyCommandLine(DesignerMainWindow& window, const CKorvexCommandLine& commandLine);
    /// Loads the 3D area's preview picture; a file that cannot be read leaves it empty.
    static void loadPreviewImage(CKorvexDesignerScene& scene, const QString& path);
};
