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

bool MainWindowFixture::openWindow(Wait wait, PathStyle style)
{
    m_window = std::make_unique<MainWindow>(m_temp->templateStore(style));
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

const QStringList MainWindowFixture::PageNames = {u"Picture1"_qs, u"Picture2"_qs, u"Picture3"_qs,
                                                  u"Picture5"_qs, u"Picture6"_qs};

void MainWindowFixture::goToPage(WizardPage page)
{
    while (m_window->wizardPage() < page)
        click(u"imgNext"_qs);
    while (m_window->wizardPage() > page)
        click(u"imgBack"_qs);
}

QWidget *MainWindowFixture::showPageOf(const QString &name)
{
    QWidget *const control = child(name);
    QWidget *page = control;
    while (page && page->parentWidget() != m_window.get())
        page = page->parentWidget();
    const qsizetype number = page ? PageNames.indexOf(page->objectName()) : -1;
    if (number >= 0)
        goToPage(WizardPage(number));
    return control;
}
