#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

/// What a local HTML folder and its start page must satisfy; each refusal is told in a message box.
class CKorvexHtmlFolderRules
{
    Q_DECLARE_TR_FUNCTIONS(CKorvexActionWidget)

public:
    /// True when the folder holds a page named "*.html" or "*.htm" (case-sensitive).
    static bool acceptFolder(QWidget* parent, const QString& folder);
    /// True when a start page may be chosen in the folder: one is given and it exists.
    static bool canChooseStartupFile(QWidget* parent, const QString& folder);
    /// The file name of the chosen start page, or empty when it is not a file of the folder itself.
    static QString acceptStartupFile(QWidget* parent, const QString& folder, const QString& chosen);
};
