#pragma once

#include <QString>

class CKorvexDesignerScene;

/// Reads a template package, or a bare template text file, into a scene.
class CKorvexTemplateReader
{
public:
    explicit CKorvexTemplateReader(CKorvexDesignerScene& scene);

    /// True when the file was read and every record was applied; records applied before a
    /// failure stay on the page. A text beyond the bounds of CKorvexTemplateText is not applied.
    bool read(const QString& path);

    /// The text file of an extracted package: the first "*.ktf" of its top level in
    /// case-insensitive name order, else the folder joined with the package's file name.
    static QString textFileIn(const QString& folder, const QString& packagePath);

private:
    QString locateTextFile(const QString& path);

    CKorvexDesignerScene& m_scene;
};
