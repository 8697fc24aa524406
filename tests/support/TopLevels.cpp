// SPDX-License-Identifier: MIT
#include "TopLevels.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace TopLevels {

QWidgetList named(const QString &name)
{
    QWidgetList found = QApplication::topLevelWidgets();
    found.removeIf([&](const QWidget *window) { return window->objectName() != name; });
    return found;
}

QWidget *firstNamed(const QString &name)
{
    return named(name).value(0);
}

QWidget *shownNamed(const QString &name)
{
    const QWidgetList windows = named(name);
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [](const QWidget *window) { return window->isVisible(); });
    return found == windows.end() ? nullptr : *found;
}

QWidgetList leftOver()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return QApplication::topLevelWidgets();
}

} // namespace TopLevels
