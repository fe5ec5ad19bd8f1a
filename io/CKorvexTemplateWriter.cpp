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
#include <QtConcurrent>

namespace {

QStringList blocksOf(const QList<CKorvexDesignerProperty>& records)
{
    QStringList blocks;
    blocks.reserve(records.size());
    for (const CKorvexDesignerProperty& record : records)
        blocks.append(record.toItemBlock());
    return blocks;
}

struct WrittenText
{
    bool written = false;
    CKorvexDeflatedFile deflated;
};

// Runs on a helper thread: reads the records only.
WrittenText writeText(const QString& textPath, const QList<CKorvexDesignerProperty>& records)
{
    WrittenText result;
    QSaveFile file(textPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return result;
    const QByteArray text = CKorvexTemplateText::compose(blocksOf(records));
    result.written = file.write(text) == text.size() && file.commit();
    if (result.written)
        result.deflated = CKorvexDeflatedFile::of(textPath);
    return result;
}

} // namespace

CKorvexTemplateWriter::CKorvexTemplateWriter(QList<CKorvexDesignerProperty> records)
    : m_records(std::move(records))
{
}

QStringList CKorvexTemplateWriter::itemBlocks()
{
    return blocksOf(renamedRecords());
}

QList<CKorvexDesignerProperty> CKorvexTemplateWriter::renamedRecords()
{
    QList<CKorvexDesignerProperty> renamed;
    renamed.reserve(m_records.size());
    for (CKorvexDesignerProperty record : qAsConst(m_records)) {
        renameImage(record);
        renameHtmlFolder(record);
        renamed.append(record);
    }
    return renamed;
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

bool CKorvexTemplateWriter::write(const QString& targetPath, const PreviewPainter& paintPreview)
{
    // Names are given here, in record order; the text needs nothing else of this writer.
    const QList<CKorvexDesignerProperty> renamed = renamedRecords();
    const QString folder = CKorvexWorkingFolder::make();
    if (folder.isEmpty())
        return false;
    const QString textPath = folder + QLatin1Char('/') + QFileInfo(targetPath).fileName();
    m_names.copyInto(folder);
    QStringList pictures;
    CKorvexPackage::listFiles(folder, pictures);
    // The text is composed, written and deflated, and the pictures deflated, while the preview is drawn.
    QFuture<WrittenText> text = QtConcurrent::run([renamed, textPath] { return writeText(textPath, renamed); });
    QFuture<CKorvexDeflatedFile> deflating = CKorvexPackage::deflateFiles(folder, pictures);
    if (paintPreview)
        paintPreview(textPath);
    deflating.waitForFinished();
    const WrittenText written = text.result();
    // A package that cannot be written must not pass for a saved document.
    const bool packed = written.written
        && CKorvexPackage::writePackage(folder, targetPath, deflating.results() << written.deflated);
    QDir(folder).removeRecursively();
    return packed;
}
