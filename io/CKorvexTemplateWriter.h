#pragma once

#include "io/CKorvexDesignerProperty.h"
#include "io/CKorvexPackageNames.h"

#include <QList>
#include <QStringList>
#include <functional>

/// Writes item records as a template package: text file, images, HTML folders, preview.
class CKorvexTemplateWriter
{
public:
    /// Draws "_preview.png" beside the text file at the given path; false when it cannot.
    using PreviewPainter = std::function<bool(const QString& textFilePath)>;

    /// The records of the items to write, bottom-most first.
    explicit CKorvexTemplateWriter(QList<CKorvexDesignerProperty> records);

    /// False when no working folder can be made, the text file cannot be written or packing fails;
    /// the file at targetPath is then left as it was.
    bool write(const QString& targetPath, const PreviewPainter& paintPreview);

    /// The item blocks with paths reduced to package names.
    QStringList itemBlocks();
    const CKorvexPackageNames& packageNames() const { return m_names; }

private:
    /// The records with paths reduced to package names, which this registers.
    QList<CKorvexDesignerProperty> renamedRecords();
    void renameImage(CKorvexDesignerProperty& record);
    void renameHtmlFolder(CKorvexDesignerProperty& record);

    QList<CKorvexDesignerProperty> m_records;
    CKorvexPackageNames m_names;
};
