#pragma once

#include "KorvexTestFiles.h"
#include "io/CKorvexPackage.h"
#include "scene/CKorvexDesignerScene.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

/// Templates the tool's tests make, and runs of the tool as a separate process.
namespace KorvexToolFixtures {

inline QString block(const QString& lines)
{
    return QStringLiteral("item begin\n") + lines + QStringLiteral("\nitem end");
}

/// A 400 x 300 page filled red.
inline QString screenBlock()
{
    return block(QStringLiteral("type:screen\nstart location:0 0\nzvalue:0\nwidth:400\nheight:300\n"
                                "fill color:200 30 30\nis image mode:false"));
}

/// A blue 50 x 40 rectangle at (100, 100).
inline QString rectBlock()
{
    return block(QStringLiteral("type:rect\nstart location:100 100\nzvalue:1\nwidth:50\nheight:40\n"
                                "fill color:0 0 255 255\npen color:0 0 0\npen width:1"));
}

/// A 60 x 60 picture at (200, 50).
inline QString imageBlock(const QString& source)
{
    return block(QStringLiteral("type:image\nstart location:200 50\nzvalue:2\nwidth:60\nheight:60\n") + source);
}

/// Each test's own folder; text() writes a template there, with the two header lines unless told.
struct Folder
{
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    QString text(const QString& name, const QStringList& blocks, bool headers = true) const
    {
        const QString header = headers ? QStringLiteral("Template file versoin 1.0\nkvx file version 11005\n") : QString();
        const QByteArray bytes = (header + blocks.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
        return KorvexTestFiles::writeFile(path(name), bytes) ? path(name) : QString();
    }
    /// A package saved as Save does, of the page, the rectangle, a green picture and any further blocks.
    QString package(const QString& name, const QStringList& moreBlocks = {}) const
    {
        const QString picture = path(QStringLiteral("logo.png"));
        const QString source = text(QStringLiteral("source.txt"),
                                    QStringList{screenBlock(), rectBlock(), imageBlock(QStringLiteral("path:") + picture)}
                                        + moreBlocks);
        CKorvexDesignerScene scene;
        scene.resetPage(false);
        const bool saved = KorvexTestFiles::writePng(picture, QSize(20, 20), Qt::green) && scene.readTemplate(source)
                           && scene.writeTemplate(path(name));
        return saved ? path(name) : QString();
    }
};

/// The bytes of one entry of a package, or a null array when it has none of that name.
inline QByteArray packageEntry(const QString& packagePath, const QString& entry)
{
    const QString folder = CKorvexPackage::extractPackage(packagePath);
    QFile file(folder + QLatin1Char('/') + entry);
    const QByteArray bytes = !folder.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!folder.isEmpty())
        QDir(folder).removeRecursively();
    return bytes;
}

struct Run
{
    int status;
    QByteArray output;
    QByteArray errors;

    /// The standard error lines the tool wrote itself (not the platform's start-up notes).
    QStringList errorLines() const
    {
        const QStringList all = QString::fromUtf8(errors).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return all.filter(QRegularExpression(QStringLiteral("^(?!QStandardPaths:)")));
    }
    QStringList outputLines() const { return QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

/// Runs the tool as a pipeline would: without any display setting.
inline Run runTool(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KORVEX_TEMPLATE_TOOL), arguments);
    const bool finished = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    return Run{finished ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

/// The settings store the tool opens: the test process keeps its own elsewhere (test mode).
inline std::unique_ptr<QSettings> toolSettings()
{
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Korvex/Korvex Template Designer.conf");
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

inline void clearToolSettings()
{
    toolSettings()->clear();
}

} // namespace KorvexToolFixtures
