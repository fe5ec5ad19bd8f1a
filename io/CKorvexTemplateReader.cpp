#include "io/CKorvexTemplateReader.h"

#include "io/CKorvexPackage.h"
#include "io/CKorvexTemplateText.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerScene.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CKorvexTemplateReader::CKorvexTemplateReader(CKorvexDesignerScene& scene)
    : m_scene(scene)
{
}

QString CKorvexTemplateReader::textFileIn(const QString& folder, const QString& packagePath)
{
    QDir dir(folder);
    const QStringList texts = dir.entryList(QStringList{QStringLiteral("*.ktf")}, QDir::Files | QDir::Hidden,
                                            QDir::Name | QDir::IgnoreCase);
    if (!texts.isEmpty())
        return dir.filePath(texts.first());
    return folder + QLatin1Char('/') + QFileInfo(packagePath).fileName();
}

QString CKorvexTemplateReader::locateTextFile(const QString& path)
{
    const QString folder = CKorvexPackage::extractPackage(path);
    if (folder.isEmpty())
        return path;
    m_scene.addTemporaryFolder(folder);
    return textFileIn(folder, path);
}

bool CKorvexTemplateReader::read(const QString& path)
{
    const QString textPath = locateTextFile(path);
    m_scene.setCurrentTemplatePath(textPath);
    QFile file(textPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const CKorvexTemplateText::Parsed parsed = CKorvexTemplateText::parse(file);
    if (!parsed.withinBounds)
        return false;
    if (parsed.version)
        CKorvexDesignerContext::setTemplateReadVersion(parsed.version);
    if (!m_scene.addItemsFromLines(parsed.keptLines))
        return false;
    m_scene.finishTemplateRead();
    return true;
}
