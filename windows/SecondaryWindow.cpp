#include "windows/SecondaryWindow.h"

#include "app/controls/Controls.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace SecondaryWindow {

void setUp(QWidget *window, const QString &name, const QString &caption, QSize clientSize)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setFixedSize(clientSize);
    window->setFont(Controls::uiFont(9));
    Controls::setBackground(window, Qt::white);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - QRect({}, clientSize).center());
}

void closeOnEscape(QWidget *window)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
}

} // namespace SecondaryWindow
