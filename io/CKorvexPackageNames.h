#pragma once

#include <QMap>
#include <QSet>
#include <QString>

/// The names that one save gives to image files and local HTML folders inside the package,
/// and the copy of those files into the working folder.
class CKorvexPackageNames
{
public:
    /// The package name of the image at fullPath. The same path keeps its name; a file name
    /// that another image holds gets the counter inserted before its first "." (photo0.png),
    /// or appended when it has none, until the name is free.
    QString imageName(const QString& fullPath);
    /// The package folder name of a local HTML folder: its last component, followed by
    /// 2, 3, ... when taken. Every call gives a new name.
    QString htmlFolderName(const QString& sourceFolder);

    /// Copies the images, then the HTML folders, in name order into the working folder.
    /// Failures are skipped; true when everything was copied.
    bool copyInto(const QString& workingFolder) const;

    const QMap<QString, QString>& imagePaths() const { return m_nameToImage; }
    const QMap<QString, QString>& htmlFolders() const { return m_nameToHtml; }

private:
    QString freeImageName(const QString& name);

    QMap<QString, QString> m_imageToName;
    QMap<QString, QString> m_nameToImage;
    int m_counter = 0;
    QSet<QString> m_usedHtmlNames;
    QMap<QString, QString> m_nameToHtml;
};
