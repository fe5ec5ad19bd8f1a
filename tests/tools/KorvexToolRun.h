#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStringList>
#include <QtTest>
#include <memory>

/// One run of the template tool as a separate process, with what it wrote and returned.
struct KorvexToolRun
{
    int status = -1;
    QByteArray output;
    QByteArray errors;

    static KorvexToolRun of(const QStringList& arguments,
                            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        KorvexToolRun run;
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KORVEX_TEMPLATE_TOOL), arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.status = process.exitCode();
        run.output = process.readAllStandardOutput();
        run.errors = process.readAllStandardError();
        return run;
    }

    /// The settings store the tool opens: the test process keeps its own elsewhere (test mode).
    static std::unique_ptr<QSettings> toolSettings()
    {
        const QString folder = QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_CONFIG_HOME"));
        return std::make_unique<QSettings>(folder + QStringLiteral("/Korvex/Korvex Template Designer.conf"),
                                           QSettings::IniFormat);
    }

    static void clearToolSettings()
    {
        const auto settings = toolSettings();
        settings->clear();
        settings->sync();
    }

    /// The standard error lines the tool wrote itself (not the platform's start-up notes).
    QStringList errorLines() const
    {
        QStringList lines;
        const QStringList all = QString::fromUtf8(errors).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& line : all) {
            if (!line.startsWith(QLatin1String("QStandardPaths:")))
                lines << line;
        }
        return lines;
    }
};
