#pragma once

#include "io/CKorvexPackageNames.h"

#include <QStringList>

class CKorvexDesignerProperty;
class CKorvexDesignerScene;
class QGraphicsItem;

/// Writes the page of a scene as a template package: text file, images, HTML folders, preview.
class CKorvexTemplateWriter
{
public:
    explicit CKorvexTemplateWriter(CKorvexDesignerScene& scene);

    /// False when no working folder can be made, the text file cannot be written or packing fails;
    /// the file at targetPath is then left as it was.
    bool write(const QString& targetPath);

    /// The item blocks of the live items, bottom-most first, with paths reduced to package names.
    QStringList itemBlocks();
    const CKorvexPackageNames& packageNames() const { return m_names; }

    static bool isWritten(const QGraphicsItem* item);

private:
    QString blockOf(QGraphicsItem* item);
    void renameImage(CKorvexDesignerProperty& record);
    void renameHtmlFolder(CKorvexDesignerProperty& record);
    bool writeText(const QString& textPath, const QStringList& blocks) const;

    CKorvexDesignerScene& m_scene;
    CKorvexPackageNames m_names;
};
