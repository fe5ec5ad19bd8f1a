#include "core/CKorvexActionFactory.h"
#include "resources/KorvexResources.h"
#include "services/CKorvexPrompt.h"
#include "tools/CKorvexTemplateTool.h"
#include "tools/CKorvexToolPromptHandler.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

namespace {

// Standard error carries the tool's own messages; the debug log of the model stays out of it.
QtMessageHandler standardHandler = nullptr;

void dropDebugMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg && standardHandler)
        standardHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    // Painting needs an application object; a pipeline has no display to give it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(dropDebugMessages);
    Korvex::registerCoreArchivable();
    QApplication application(argc, argv);
    korvexInitResources();

    QTextStream output(stdout);
    QTextStream errors(stderr);
    output.setCodec("UTF-8");
    errors.setCodec("UTF-8");
    CKorvexToolPromptHandler prompts(errors);
    CKorvexPrompt::setHandler(&prompts);
    const int status = CKorvexTemplateTool(output, errors).run(QApplication::arguments().mid(1));
    CKorvexPrompt::setHandler(nullptr);
    return status;
}
