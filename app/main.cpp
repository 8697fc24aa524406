#include "app/FontSetup.h"
#include "app/MainWindow.h"
#include "templates/TemplateStore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FontSetup::registerSubstitutes();
    MainWindow window(TemplateStore::locate(QCoreApplication::applicationDirPath()));
    window.show();
    return app.exec();
}
