#include "resources/KorvexResources.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    korvexInitResources();
    QMainWindow window;
    window.show();
    return application.exec();
}
