#pragma once

#include "tools/CKorvexTemplateBlocks.h"

#include <QString>
#include <QStringList>

/// Names what a template's records hold that the designer would drop, misread or not find:
/// unknown keys, values that do not read, missing image files and dictionary keys, action texts
/// that do not read, a second 3D area and repeated form text box names.
class CKorvexTemplateChecker
{
public:
    /// templateFolder is where bare image names are looked for (the folder of the text file).
    CKorvexTemplateChecker(const CKorvexTemplateBlocks& blocks, const QString& templateFolder);

    /// One "warning: " line per problem, records in file order.
    QStringList problems() const;

private:
    void addLineProblems(const CKorvexTemplateBlocks::Record& entry, QStringList& found) const;
    void addImageProblems(const CKorvexTemplateBlocks::Record& entry, QStringList& found) const;
    void addDictionaryProblems(const CKorvexTemplateBlocks::Record& entry, QStringList& found) const;
    void addActionProblems(const CKorvexTemplateBlocks::Record& entry, QStringList& found) const;
    void addPageProblems(QStringList& found) const;
    bool usesDictionary(const CKorvexDesignerProperty& record) const;
    bool usesDictionaryPicture(const CKorvexDesignerProperty& record) const;

    const CKorvexTemplateBlocks& m_blocks;
    QString m_templateFolder;
};
