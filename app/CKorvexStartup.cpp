#include "app/CKorvexStartup.h"

#include "app/CKorvexCommandLine.h"
#include "app/DesignerMainWindow.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexPictureFiles.h"
#include "services/CKorvexLanguageService.h"
#include "services/CKorvexProductInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSettings>

void CKorvexStartup::enableHighDpi()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
}

QString CKorvexStartup::languagesDirectory()
{
    return languagesDirectory(QCoreApplication::applicationDirPath());
}

QString CKorvexStartup::languagesDirectory(const QString& programFolder)
{
    const auto settings = CKorvexProductInfo::openSettings();
    const QString named = settings->value(QStringLiteral("ContentDirectory")).toString() + QStringLiteral("/languages");
    if (settings->contains(QStringLiteral("ContentDirectory")) || QFileInfo(named).isDir())
        return named;
    // Beside the program in its build folder; under share/ when installed.
    for (const QString& candidate : {programFolder + QStringLiteral("/languages"),
                                     programFolder + QStringLiteral("/../share/korvex-designer/languages")}) {
        if (QFileInfo(QDir::cleanPath(candidate)).isDir())
            return QDir::cleanPath(candidate);
    }
    return named;
}

void CKorvexStartup::installLanguage()
{
    CKorvexLanguageService& service = CKorvexLanguageService::instance();
    service.setLanguagesDirectory(languagesDirectory());
    service.switchLanguage(CKorvexLanguageService::chosenLanguage());
}

void CKorvexStartup::applyCommandLine(DesignerMainWindow& window, const CKorvexCommandLine& commandLine)
{
    if (commandLine.alwaysOnTop())
        window.setWindowFlags(window.windowFlags() | Qt::WindowStaysOnTopHint);
    if (commandLine.hasPreviewImage())
        loadPreviewImage(*window.scene(), commandLine.previewImagePath());

    switch (commandLine.start()) {
    case CKorvexCommandLine::Start::OpenTemplate:
        window.openTemplateFile(commandLine.templatePath());
        window.show();
        break;
    case CKorvexCommandLine::Start::NewDocumentAtPath:
        window.setDocumentPaths(commandLine.templatePath());
        window.show();
        window.onNew();
        break;
    case CKorvexCommandLine::Start::NewDocument:
        window.show();
        window.onNew();
        break;
    }
}

void CKorvexStartup::loadPreviewImage(CKorvexDesignerScene& scene, const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!CKorvexPictureFiles::acceptableSize(reader.size()))
        return;
    const QImage image = reader.read();
    if (!image.isNull())
        scene.context().setPreview3DImage(image);
}
