#include "app/FontSetup.h"
#include "app/MainWindow.h"
#include "templates/TemplateStore.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FontSetup::registerSubstitutes();
#ifdef TESSEL_PACKAGED
    MainWindow window(TemplateStore::inUserData());
#else
    MainWindow window(TemplateStore::locate(QCoreApplication::applicationDirPath()));
#endif
    window.show();
    return app.exec();
}
