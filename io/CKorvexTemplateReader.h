#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// Reads a template package, or a bare template text file, into the lines of its item blocks.
class CKorvexTemplateReader
{
public:
    /// True when the text file was opened and stays within the bounds of CKorvexTemplateText.
    /// A package is extracted first; its working folder is known even when the read fails.
    bool read(const QString& path);

    /// The text file that was read: inside the working folder for a package, else path itself.
    QString textPath() const { return m_textPath; }
    /// The folder a package was extracted into, or empty; the caller removes it.
    QString workingFolder() const { return m_workingFolder; }
    /// The "kvx file version" of the text, when it has one.
    std::optional<unsigned> version() const { return m_version; }
    /// The text's lines that item blocks are cut from.
    const QStringList& keptLines() const { return m_keptLines; }

    /// The text file of an extracted package: the first "*.ktf" of its top level in
    /// case-insensitive name order, else the folder joined with the package's file name.
    static QString textFileIn(const QString& folder, const QString& packagePath);

private:
    QString m_textPath;
    QString m_workingFolder;
    std::optional<unsigned> m_version;
    QStringList m_keptLines;
};
