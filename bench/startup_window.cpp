// SPDX-License-Identifier: MIT
// The two windows bench_startup holds the program's start-up against, each
// the size of the main window: "bare", an empty QWidget, which loads no font
// at all; and "label", a QWidget showing one line of Japanese in the Gothic
// font the main window uses, which is what any Japanese Qt program pays.
#include "app/FontSetup.h"
#include "app/controls/Controls.h"
#include "app/controls/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(Twips::size(6840, 3840));
    if (QCoreApplication::arguments().value(1) == u"label"_qs) {
        FontSetup::registerSubstitutes();
        window.setFont(Controls::uiFont(9));
        auto *const label =
            new QLabel(u"このソフトウェアはSetUpWizerd風Read Me Makerです。"_qs, &window);
        label->setGeometry(Twips::rect(2280, 1080, 3975, 255));
    }
    window.show();
    return app.exec();
}
