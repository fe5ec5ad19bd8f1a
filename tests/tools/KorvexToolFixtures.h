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

struct Run
{
    int status;
    QByteArray output;
    QByteArray errors;
    /// What the run left in its temporary folder.
    QStringList leftovers;

    QStringList outputLines() const { return QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    /// The error and prompt lines the tool wrote itself, without the platform's notes.
    QStringList errorLines() const
    {
        const QStringList lines = QString::fromUtf8(errors).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines.filter(QRegularExpression(QStringLiteral("^(error: |prompt \\()")));
    }
};

/// Each test's own folder, in which the tool runs: arguments and messages name files relative to it.
struct Folder
{
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    /// Writes a template text, with the two header lines unless told; returns its name.
    QString text(const QString& name, const QStringList& blocks, bool headers = true) const
    {
        const QString header = headers ? QStringLiteral("Template file versoin 1.0\nkvx file version 11005\n") : QString();
        const QByteArray bytes = (header + blocks.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
        return KorvexTestFiles::writeFile(path(name), bytes) ? name : QString();
    }
    /// Saves a package as Save does, of the page, the rectangle, a green picture and any more blocks.
    QString package(const QString& name, const QStringList& moreBlocks = {}) const
    {
        const QString picture = path(QStringLiteral("logo.png"));
        const QStringList blocks{screenBlock(), rectBlock(), imageBlock(QStringLiteral("path:") + picture)};
        const QString source = path(text(QStringLiteral("source.txt"), blocks + moreBlocks));
        CKorvexDesignerScene scene;
        scene.resetPage(false);
        const bool saved = KorvexTestFiles::writePng(picture, QSize(20, 20), Qt::green) && scene.readTemplate(source)
                           && scene.writeTemplate(path(name));
        return saved ? name : QString();
    }
    /// The bytes of one entry of a package, or a null array when it has none of that name.
    QByteArray entry(const QString& package, const QString& entry) const
    {
        const QString folder = CKorvexPackage::extractPackage(path(package));
        QFile file(folder + QLatin1Char('/') + entry);
        const QByteArray bytes = !folder.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (!folder.isEmpty())
            QDir(folder).removeRecursively();
        return bytes;
    }
    /// Runs the tool here as a pipeline would: without any display setting.
    Run run(const QStringList& arguments) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(name));
        QTemporaryDir temporary(dir.path() + QStringLiteral("/tmp-XXXXXX"));
        environment.insert(QStringLiteral("TMPDIR"), temporary.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(KORVEX_TEMPLATE_TOOL), arguments);
        const bool finished = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
        return Run{finished ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError(),
                   QDir(temporary.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)};
    }
};

/// The settings store the tool opens: the test process keeps its own elsewhere (test mode).
inline std::unique_ptr<QSettings> toolSettings()
{
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Korvex/Korvex Template Designer.conf");
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

} // namespace KorvexToolFixtures
