// Starts as the designer does (or as a bare widgets program with "plain"), waits until the
// main window is exposed and leaves at once, so that a caller can time start-up alone.
#include "app/CKorvexCommandLine.h"
#include "app/CKorvexStartup.h"
#include "app/DesignerMainWindow.h"
#include "KorvexScriptedPrompt.h"
#include "core/CKorvexActionFactory.h"
#include "resources/KorvexResources.h"

#include <QApplication>
#include <QDialog>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMainWindow>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// A new page asks for its size first; the person takes the proposed one.
int acceptShown(QDialog& dialog)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return QDialog::Rejected;
    dialog.accept();
    return dialog.result();
}

std::unique_ptr<QMainWindow> designerWindow()
{
    korvexInitResources();
    CKorvexStartup::installLanguage();
    auto window = std::make_unique<DesignerMainWindow>();
    window->readSettings();
    CKorvexStartup::applyCommandLine(*window, CKorvexCommandLine::evaluate(QApplication::arguments().mid(0, 1)));
    return window;
}

std::unique_ptr<QMainWindow> plainWindow()
{
    auto window = std::make_unique<QMainWindow>();
    auto* scene = new QGraphicsScene(0, 0, 500, 700, window.get());
    window->setCentralWidget(new QGraphicsView(scene));
    window->setGeometry(100, 100, 800, 800);
    window->show();
    return window;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool plain = argc > 1 && qstrcmp(argv[1], "plain") == 0;
    if (!plain) {
        Korvex::registerCoreArchivable();
        CKorvexStartup::enableHighDpi();
    }
    QApplication application(argc, argv);
    KorvexScriptedPrompt prompt;
    prompt.answerDialog(acceptShown);
    const std::unique_ptr<QMainWindow> window = plain ? plainWindow() : designerWindow();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return 1;
    window->repaint();
    // Leaving without tearing down keeps exit costs out of the start-up time.
    std::fflush(stdout);
    std::_Exit(0);
}
