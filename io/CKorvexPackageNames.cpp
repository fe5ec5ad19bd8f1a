#include "io/CKorvexPackageNames.h"

#include "io/CKorvexFolderCopy.h"

#include <QDir>
#include <QFile>

namespace {

QString lastComponent(const QString& path)
{
    QString normal = path;
    normal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return normal.mid(normal.lastIndexOf(QLatin1Char('/')) + 1);
}

bool isPlainName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..");
}

} // namespace

QString CKorvexPackageNames::imageName(const QString& fullPath)
{
    const auto known = m_imageToName.constFind(fullPath);
    if (known != m_imageToName.constEnd())
        return known.value();
    const QString name = lastComponent(fullPath);
    if (!isPlainName(name))
        return QString();
    if (m_nameToImage.contains(name)) {
        // The same file under a clashing name is packed again under each new name.
        const QString renamed = freeImageName(name);
        m_nameToImage.insert(renamed, fullPath);
        return renamed;
    }
    m_imageToName.insert(fullPath, name);
    m_nameToImage.insert(name, fullPath);
    return name;
}

QString CKorvexPackageNames::freeImageName(const QString& name)
{
    const int dot = name.indexOf(QLatin1Char('.'));
    QString renamed;
    do {
        const QString number = QString::number(m_counter++);
        renamed = dot < 0 ? name + number : QString(name).insert(dot, number);
    } while (m_nameToImage.contains(renamed));
    return renamed;
}

QString CKorvexPackageNames::htmlFolderName(const QString& sourceFolder)
{
    QString name = lastComponent(QDir::cleanPath(QDir::fromNativeSeparators(sourceFolder)));
    if (!isPlainName(name))
        name = QStringLiteral("html");
    QString candidate = name;
    for (int suffix = 2; m_usedHtmlNames.contains(candidate); ++suffix)
        candidate = name + QString::number(suffix);
    m_usedHtmlNames.insert(candidate);
    m_nameToHtml.insert(candidate, sourceFolder);
    return candidate;
}

bool CKorvexPackageNames::copyInto(const QString& workingFolder) const
{
    bool copied = true;
    for (auto image = m_nameToImage.constBegin(); image != m_nameToImage.constEnd(); ++image)
        copied = QFile::copy(image.value(), workingFolder + QLatin1Char('/') + image.key()) && copied;
    for (auto html = m_nameToHtml.constBegin(); html != m_nameToHtml.constEnd(); ++html) {
        const QString target = workingFolder + QLatin1Char('/') + html.key();
        copied = CKorvexFolderCopy::copyFolder(html.value(), target) && copied;
    }
    return copied;
}
