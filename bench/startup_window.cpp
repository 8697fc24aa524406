// SPDX-License-Identifier: MIT
// The baseline windows of bench_startup as programs of their own:
// "startup_window bare" or "startup_window label".
#include "BaselineWindow.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window =
        baselineWindow(QCoreApplication::arguments().value(1) == u"label"_s);
    window->show();
    return app.exec();
}
