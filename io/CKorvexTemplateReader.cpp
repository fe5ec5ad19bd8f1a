#include "io/CKorvexTemplateReader.h"

#include "io/CKorvexPackage.h"
#include "io/CKorvexTemplateText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString CKorvexTemplateReader::textFileIn(const QString& folder, const QString& packagePath)
{
    QDir dir(folder);
    const QStringList texts = dir.entryList(QStringList{QStringLiteral("*.ktf")}, QDir::Files | QDir::Hidden,
                                            QDir::Name | QDir::IgnoreCase);
    if (!texts.isEmpty())
        return dir.filePath(texts.first());
    return folder + QLatin1Char('/') + QFileInfo(packagePath).fileName();
}

bool CKorvexTemplateReader::read(const QString& path)
{
    m_workingFolder = CKorvexPackage::extractPackage(path);
    m_textPath = m_workingFolder.isEmpty() ? path : textFileIn(m_workingFolder, path);
    QFile file(m_textPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    CKorvexTemplateText::Parsed parsed = CKorvexTemplateText::parse(file);
    if (!parsed.withinBounds)
        return false;
    m_version = parsed.version;
    m_keptLines = std::move(parsed.keptLines);
    return true;
}
