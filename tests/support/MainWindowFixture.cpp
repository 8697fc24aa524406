// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

#include "TopLevels.h"

#include "controls/FontSetup.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

void MainWindowFixture::setUpApplication()
{
    QStandardPaths::setTestModeEnabled(true);
    FontSetup::registerSubstitutes();
}

bool MainWindowFixture::makeHome()
{
    m_temp = std::make_unique<TemporaryHome>();
    return m_temp->isValid();
}

bool MainWindowFixture::openWindow(Wait wait)
{
    m_window = std::make_unique<MainWindow>(m_temp->templateStore());
    m_window->show();
    if (wait == Wait::Exposed)
        return QTest::qWaitForWindowExposed(m_window.get());
    QApplication::setActiveWindow(m_window.get());
    return QTest::qWaitForWindowActive(m_window.get());
}

QWidgetList MainWindowFixture::closeWindow()
{
    m_window.reset();
    return TopLevels::leftOver();
}

void MainWindowFixture::click(const QString &name)
{
    QWidget *const widget = child(name);
    QVERIFY2(widget && widget->isVisible(), qPrintable(name));
    QTest::mouseClick(widget, Qt::LeftButton);
}

void MainWindowFixture::goToPage(int page)
{
    while (m_window->wizardPage() < page)
        click(u"imgNext"_qs);
    while (m_window->wizardPage() > page)
        click(u"imgBack"_qs);
}
