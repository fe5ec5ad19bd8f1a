#include "io/CKorvexTemplateWriter.h"

#include "actions/CKorvexActionEnabled.h"
#include "core/CKorvexActionUrl.h"
#include "core/CKorvexString.h"
#include "io/CKorvexDeflatedFile.h"
#include "io/CKorvexPackage.h"
#include "io/CKorvexTemplateText.h"
#include "io/CKorvexWorkingFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

CKorvexTemplateWriter::CKorvexTemplateWriter(QList<CKorvexDesignerProperty> records)
    : m_records(std::move(records))
{
}

QStringList CKorvexTemplateWriter::itemBlocks()
{
    QStringList blocks;
    for (const CKorvexDesignerProperty& record : qAsConst(m_records))
        blocks.append(blockOf(record));
    return blocks;
}

QString CKorvexTemplateWriter::blockOf(CKorvexDesignerProperty record)
{
    renameImage(record);
    renameHtmlFolder(record);
    return record.toItemBlock();
}

void CKorvexTemplateWriter::renameImage(CKorvexDesignerProperty& record)
{
    if (!record.contains(QStringLiteral("path")))
        return;
    const QString fullPath = record.value(QStringLiteral("path")).toString();
    if (!fullPath.isEmpty())
        record.setValue(QStringLiteral("path"), m_names.imageName(fullPath));
}

void CKorvexTemplateWriter::renameHtmlFolder(CKorvexDesignerProperty& record)
{
    if (!record.contains(QStringLiteral("action")))
        return;
    CKorvexActionEnabled reader;
    reader.SetActionVersion(CKorvexTemplateText::writtenVersion);
    if (!reader.ActionFromString(record.value(QStringLiteral("action")).toString()))
        return;
    auto* url = reader.GetAction().As<Korvex::CKorvexActionUrl>();
    if (!url || url->LocalHtmlPath().IsEmpty())
        return;
    const QString folderName = m_names.htmlFolderName(Korvex::toQString(url->LocalHtmlPath()));
    url->SetLocalHtmlPath(Korvex::fromQString(folderName));
    record.setValue(QStringLiteral("action"), reader.ActionToString());
}

bool CKorvexTemplateWriter::writeText(const QString& textPath, const QStringList& blocks) const
{
    QSaveFile file(textPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray text = CKorvexTemplateText::compose(blocks);
    return file.write(text) == text.size() && file.commit();
}

bool CKorvexTemplateWriter::write(const QString& targetPath, const PreviewPainter& paintPreview)
{
    const QStringList blocks = itemBlocks();
    const QString folder = CKorvexWorkingFolder::make();
    if (folder.isEmpty())
        return false;
    const QString textPath = folder + QLatin1Char('/') + QFileInfo(targetPath).fileName();
    m_names.copyInto(folder);
    bool written = writeText(textPath, blocks);
    if (written) {
        // The text and the pictures are deflated while the preview is drawn.
        QFuture<CKorvexDeflatedFile> deflating = CKorvexPackage::deflateFiles(folder);
        if (paintPreview)
            paintPreview(textPath);
        deflating.waitForFinished();
        // A package that cannot be written must not pass for a saved document.
        written = CKorvexPackage::writePackage(folder, targetPath, deflating.results());
    }
    QDir(folder).removeRecursively();
    return written;
}
