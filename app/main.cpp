// SPDX-License-Identifier: MIT
#include "app/MainWindow.h"
#include "controls/Accessibility.h"
#include "controls/FontSetup.h"
#include "templates/TemplateStore.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The name gives the user's data folder its name, whatever the
    // executable is called; the about window shows the version.
    QCoreApplication::setApplicationName(u"neattessel"_s);
    QCoreApplication::setApplicationVersion(QString::fromUtf8(TESSEL_VERSION));
    // Wayland matches the window to the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(TESSEL_APP_ID));
    Accessibility::install();
    FontSetup::registerSubstitutes();
#ifdef TESSEL_PACKAGED
    MainWindow window(TemplateStore::inUserData());
#else
    MainWindow window(TemplateStore::locate(QCoreApplication::applicationDirPath()));
#endif
    window.show();
    return app.exec();
}
