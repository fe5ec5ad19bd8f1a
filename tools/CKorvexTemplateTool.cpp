#include "tools/CKorvexTemplateTool.h"

#include "dictionary/CKorvexDictionary.h"
#include "io/CKorvexZipEntryReader.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexPageRenderer.h"
#include "services/CKorvexProductInfo.h"
#include "tools/CKorvexPrivateSettings.h"
#include "tools/CKorvexTemplateBlocks.h"
#include "tools/CKorvexTemplateInfo.h"
#include "tools/CKorvexTemplateChecker.h"
#include "tools/CKorvexThumbnail.h"
#include "tools/CKorvexToolArguments.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

CKorvexTemplateTool::CKorvexTemplateTool(QTextStream& output, QTextStream& errors)
    : m_output(output)
    , m_errors(errors)
{
}

int CKorvexTemplateTool::run(const QStringList& arguments)
{
    const CKorvexToolArguments parsed = CKorvexToolArguments::parse(arguments);
    if (parsed.wantsHelp()) {
        m_output << CKorvexToolArguments::helpText();
        return Done;
    }
    if (parsed.wantsVersion()) {
        m_output << "korvex-template " << CKorvexProductInfo::version() << '\n';
        return Done;
    }
    if (!parsed.error().isEmpty()) {
        m_errors << "korvex-template: " << parsed.error() << "\nTry \"korvex-template --help\".\n";
        return Usage;
    }
    const int status = runCommand(parsed);
    m_output.flush();
    m_errors.flush();
    return status;
}

int CKorvexTemplateTool::runCommand(const CKorvexToolArguments& arguments)
{
    // Declared first, so the private store outlives the command that may use it.
    CKorvexPrivateSettings privateSettings;
    if (!arguments.dictionary().isEmpty() && !useDictionary(privateSettings, arguments.dictionary()))
        return Failed;
    // The process ends with the command: the page is left to it whole rather than freed item by
    // item, which would take a tenth of the run on a large page. Only its working folders go.
    auto* page = new CKorvexDesignerScene;
    const int status = runOn(*page, arguments);
    page->removeTemporaryFolders();
    return status;
}

int CKorvexTemplateTool::runOn(CKorvexDesignerScene& scene, const CKorvexToolArguments& arguments)
{
    const QString command = arguments.command();
    if (command == QLatin1String("thumbnail"))
        return thumbnail(scene, arguments.file(0), arguments.file(1), arguments.size());
    const bool readable = readTemplate(scene, arguments.file(0));
    if (command == QLatin1String("validate"))
        return validate(scene, readable);
    if (!readable)
        return Failed;
    if (command == QLatin1String("info"))
        return info(scene, arguments.json());
    if (command == QLatin1String("resave"))
        return resave(scene, arguments.file(1));
    if (command == QLatin1String("preview"))
        return preview(scene, arguments.file(1));
    return render(scene, arguments.file(1), arguments.scale());
}

int CKorvexTemplateTool::fail(const QString& path, const QString& reason)
{
    m_errors << "error: " << path << ": " << reason << '\n';
    return Failed;
}

bool CKorvexTemplateTool::useDictionary(CKorvexPrivateSettings& settings, const QString& path)
{
    if (!settings.activate()) {
        fail(path, QStringLiteral("no private settings folder can be made for the dictionary"));
        return false;
    }
    if (!CKorvexDictionary::ReadDictionaryFile(path)) {
        fail(path, QStringLiteral("the dictionary file cannot be read"));
        return false;
    }
    return true;
}

bool CKorvexTemplateTool::readTemplate(CKorvexDesignerScene& scene, const QString& path)
{
    // As Open does: a fresh page without asking for its size, then the template.
    scene.resetPage(false);
    if (scene.readTemplate(path))
        return true;
    fail(path, readFailure(scene, path));
    return false;
}

QString CKorvexTemplateTool::readFailure(const CKorvexDesignerScene& scene, const QString& path) const
{
    const QFileInfo file(path);
    if (!file.exists())
        return QStringLiteral("no such file");
    if (file.isDir())
        return QStringLiteral("is a folder, not a template");
    CKorvexTemplateBlocks blocks;
    if (!blocks.load(scene.currentTemplatePath()))
        return QStringLiteral("the template text cannot be opened");
    const QString reason = blocks.readFailure();
    return reason.isEmpty() ? QStringLiteral("the template does not read") : reason;
}

int CKorvexTemplateTool::info(CKorvexDesignerScene& scene, bool json)
{
    const std::optional<unsigned> version = scene.context().templateReadVersion();
    const QList<CKorvexTemplateInfo::Item> items = CKorvexTemplateInfo::itemsOf(scene);
    if (json)
        m_output << QString::fromUtf8(CKorvexTemplateInfo::json(version, items));
    else
        m_output << CKorvexTemplateInfo::text(version, items);
    return Done;
}

int CKorvexTemplateTool::resave(CKorvexDesignerScene& scene, const QString& target)
{
    if (!scene.writeTemplate(target))
        return fail(target, QStringLiteral("the template cannot be saved there"));
    return Done;
}

int CKorvexTemplateTool::preview(CKorvexDesignerScene& scene, const QString& target)
{
    // Drawn and fitted by the save's own preview step, in a folder of its own.
    QTemporaryDir folder;
    if (!folder.isValid())
        return fail(target, QStringLiteral("no temporary folder can be made"));
    if (!scene.writePreview(folder.filePath(QStringLiteral("preview.ktf"))))
        return fail(target, QStringLiteral("the preview cannot be drawn"));
    QFile picture(folder.filePath(QStringLiteral("_preview.png")));
    QSaveFile output(target);
    if (!picture.open(QIODevice::ReadOnly) || !output.open(QIODevice::WriteOnly)
        || output.write(picture.readAll()) != picture.size() || !output.commit())
        return fail(target, QStringLiteral("the preview cannot be written there"));
    return Done;
}

int CKorvexTemplateTool::render(CKorvexDesignerScene& scene, const QString& target, double scale)
{
    CKorvexPageRenderer renderer(scene);
    if (QFileInfo(target).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0) {
        if (!renderer.renderPdf(target, scale))
            return fail(target, QStringLiteral("the PDF cannot be written there"));
        return Done;
    }
    const QImage picture = renderer.renderImage(scale);
    if (picture.isNull())
        return fail(target, QStringLiteral("the page at scale %1 is empty or too large to draw").arg(scale));
    return writePicture(picture, target);
}

int CKorvexTemplateTool::thumbnail(CKorvexDesignerScene& scene, const QString& source, const QString& target, int size)
{
    // The packed preview is read alone, so that a large package answers as fast as a small one.
    const CKorvexZipEntryReader packed = CKorvexZipEntryReader::read(source, QStringLiteral("_preview.png"),
                                                                     CKorvexThumbnail::maximumPreviewBytes);
    if (packed.status() == CKorvexZipEntryReader::Status::Damaged)
        return fail(source, QStringLiteral("the package is damaged"));
    QImage picture = CKorvexThumbnail::fromPreview(packed.bytes(), size);
    if (picture.isNull()) {
        if (!readTemplate(scene, source))
            return Failed;
        picture = CKorvexThumbnail::draw(scene, size);
        if (picture.isNull())
            return fail(source, QStringLiteral("the page is empty"));
    }
    return writePicture(picture, target);
}

int CKorvexTemplateTool::writePicture(const QImage& picture, const QString& target)
{
    QSaveFile output(target);
    if (!output.open(QIODevice::WriteOnly) || !picture.save(&output, "PNG") || !output.commit())
        return fail(target, QStringLiteral("the picture cannot be written there"));
    return Done;
}

int CKorvexTemplateTool::validate(CKorvexDesignerScene& scene, bool readable)
{
    CKorvexTemplateBlocks blocks;
    const QString textPath = scene.currentTemplatePath();
    if (!blocks.load(textPath))
        return Failed;
    const CKorvexTemplateChecker inspector(blocks, QFileInfo(textPath).absolutePath());
    const QStringList problems = inspector.problems();
    for (const QString& problem : problems)
        m_output << problem << '\n';
    if (!readable)
        return Failed;
    return problems.isEmpty() ? Done : Warnings;
}
