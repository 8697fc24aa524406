// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidgetList>

// The program's top-level windows by objectName ("frmMain", "frmPreview").
namespace TopLevels {

// Every window of that name, shown or hidden.
[[nodiscard]] QWidgetList named(const QString &name);
// The first window of that name, shown or hidden; null when there is none.
[[nodiscard]] QWidget *firstNamed(const QString &name);
// The window of that name on show; null when none is.
[[nodiscard]] QWidget *shownNamed(const QString &name);
// The windows still there once what waits to be deleted is gone: none, when
// a test has closed what it opened.
[[nodiscard]] QWidgetList leftOver();

} // namespace TopLevels
