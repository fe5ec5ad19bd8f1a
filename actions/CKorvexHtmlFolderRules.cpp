#include "actions/CKorvexHtmlFolderRules.h"

#include "services/CKorvexPrompt.h"

#include <QDir>

namespace {

/// Where the file name starts: after the last "/" or "\".
int fileNameStart(const QString& path)
{
    return qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
}

bool anyEntryEndsWith(const QString& folder, const QStringList& endings)
{
    const QStringList entries = QDir(folder).entryList();
    for (const QString& entry : entries) {
        for (const QString& ending : endings) {
            if (entry.endsWith(ending))
                return true;
        }
    }
    return false;
}

} // namespace

bool CKorvexHtmlFolderRules::acceptFolder(QWidget* parent, const QString& folder)
{
    if (anyEntryEndsWith(folder, {QStringLiteral(".html"), QStringLiteral(".htm")}))
        return true;
    CKorvexPrompt::warning(parent, tr("No html file found"),
                           tr("The selected directory should have at least one html file as the main html page to "
                              "be a vaild directory"));
    return false;
}

bool CKorvexHtmlFolderRules::canChooseStartupFile(QWidget* parent, const QString& folder)
{
    if (folder.isEmpty()) {
        CKorvexPrompt::information(parent, tr("Warning"), tr("Please select html folder first"));
        return false;
    }
    if (!QDir(folder).exists()) {
        CKorvexPrompt::information(parent, tr("Missing html folder"),
                                   tr("The selected html folder is missing from the file system please reselect "
                                      "the html folder."));
        return false;
    }
    return true;
}

QString CKorvexHtmlFolderRules::acceptStartupFile(QWidget* parent, const QString& folder, const QString& chosen)
{
    const int cut = fileNameStart(chosen);
    const QString chosenFolder = chosen.left(cut);
    const QString name = chosen.mid(cut);
    // The folder is kept without its final separator; the chooser's path has one.
    QString compared = folder;
    for (const QChar separator : {QLatin1Char('/'), QLatin1Char('\\')}) {
        if (chosenFolder.endsWith(separator) && !compared.endsWith(separator))
            compared += separator;
    }
    if (chosenFolder != compared) {
        CKorvexPrompt::information(parent, tr("Invaild selection"),
                                   tr("The selected startup html file isn't inside the selected html folder"));
        return QString();
    }
    if (!anyEntryEndsWith(compared, {name})) {
        CKorvexPrompt::warning(parent, tr("No startup html file found"),
                               tr("The selected startup html file should be inside the selected local html "
                                  "directory"));
        return QString();
    }
    return name;
}
