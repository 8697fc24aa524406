// SPDX-License-Identifier: MIT
#include "MainWindowFixture.h"

#include "TopLevels.h"

#include "controls/FontSetup.h"

#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

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
    m_window->activateWindow();
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

const QStringList MainWindowFixture::PageNames = {u"Picture1"_s, u"Picture2"_s, u"Picture3"_s,
                                                  u"Picture5"_s, u"Picture6"_s};

void MainWindowFixture::goToPage(WizardPage page)
{
    while (m_window->wizardPage() < page)
        click(u"imgNext"_s);
    while (m_window->wizardPage() > page)
        click(u"imgBack"_s);
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
