#pragma once

#include <QString>
#include <QStringList>

class CKorvexDesignerScene;
class CKorvexPrivateSettings;
class CKorvexToolArguments;
class QImage;
class QTextStream;

/// The headless template tool: reads, saves, draws and checks templates with the designer's
/// own scene, reader and writer.
class CKorvexTemplateTool
{
public:
    enum ExitStatus { Done = 0, Failed = 1, Warnings = 2, Usage = 64 };

    CKorvexTemplateTool(QTextStream& output, QTextStream& errors);

    /// Runs the command of the arguments (program name excluded) and returns the exit status.
    int run(const QStringList& arguments);

private:
    int runCommand(const CKorvexToolArguments& arguments);
    int runOn(CKorvexDesignerScene& scene, const CKorvexToolArguments& arguments);
    bool useDictionary(CKorvexPrivateSettings& settings, const QString& path);
    bool readTemplate(CKorvexDesignerScene& scene, const QString& path);
    QString readFailure(const CKorvexDesignerScene& scene, const QString& path) const;

    int info(CKorvexDesignerScene& scene, bool json);
    int resave(CKorvexDesignerScene& scene, const QString& target);
    int preview(CKorvexDesignerScene& scene, const QString& target);
    int render(CKorvexDesignerScene& scene, const QString& target, double scale);
    int thumbnail(CKorvexDesignerScene& scene, const QString& source, const QString& target, int size);
    int writePicture(const QImage& picture, const QString& target);
    int validate(CKorvexDesignerScene& scene, bool readable);

    int fail(const QString& path, const QString& reason);

    QTextStream& m_output;
    QTextStream& m_errors;
};
