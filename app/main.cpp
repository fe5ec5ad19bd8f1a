#include "app/CKorvexCommandLine.h"
#include "app/CKorvexRecovery.h"
#include "app/CKorvexStartup.h"
#include "app/DesignerMainWindow.h"
#include "core/CKorvexActionFactory.h"
#include "resources/KorvexResources.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    Korvex::registerCoreArchivable();
    CKorvexStartup::enableHighDpi();
    QApplication application(argc, argv);
    korvexInitResources();
    CKorvexStartup::installLanguage();

    auto window = std::make_unique<DesignerMainWindow>();
    window->readSettings();
    CKorvexStartup::applyCommandLine(*window, CKorvexCommandLine::evaluate(QApplication::arguments()));
    window->recovery().start();

    const int result = application.exec();
    window.reset();
    return result;
}
