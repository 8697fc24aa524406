// SPDX-License-Identifier: MIT
#pragma once

#include "TemporaryHome.h"

#include "app/MainWindow.h"

#include <memory>

// The set-up that the tests of the main window share: a temporary home and
// template store, the window on show, its controls found by objectName and
// clicked as a user clicks them. A test class derives from it beside
// QObject and calls the steps from its own init() and cleanup().
class MainWindowFixture
{
public:
    enum class Wait { Exposed, Active };

protected:
    // Test-mode paths and the fonts the windows draw in.
    static void setUpApplication();
    // A fresh home and store, HOME pointing at the home.
    [[nodiscard]] bool makeHome();
    // A new main window on the store, shown; false when it never showed.
    // The store judges template names by `style`'s rules.
    [[nodiscard]] bool openWindow(Wait wait = Wait::Exposed, PathStyle style = nativePathStyle());
    // Deletes the window; the windows left over, which should be none.
    [[nodiscard]] QWidgetList closeWindow();

    template <typename T = QWidget>
    [[nodiscard]] T *child(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    // Clicks the control, which must be on show.
    void click(const QString &name);
    // Walks from the page on show to `page` with Next or Back.
    void goToPage(WizardPage page);
    // Walks to the page that holds the control `name`; returns the control.
    QWidget *showPageOf(const QString &name);

    // The page panels' names, in the order of the pages.
    static const QStringList PageNames;

    std::unique_ptr<TemporaryHome> m_temp;
    std::unique_ptr<MainWindow> m_window;
};
