// SPDX-License-Identifier: MIT
#include "UserInput.h"

#include <QApplication>
#include <QListWidget>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>
#include <qpa/qwindowsysteminterface.h>

namespace UserInput {

void typeText(QWidget *widget, const QString &text)
{
    for (const char32_t codePoint : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1),
                            Qt::NoModifier);
}

void turnWheel(QWidget *widget, int notches)
{
    const QPoint middle = widget->rect().center();
    QWidget *const under = widget->childAt(middle) ? widget->childAt(middle) : widget;
    const QPointF local = under->mapFrom(widget, middle);
    for (int i = 0; i < notches; ++i) {
        QWheelEvent event(local, under->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(under, &event);
    }
}

void clickRow(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// Qt 6.7 renamed the platform's report from handleWindowActivated to
// handleFocusWindowChanged; the one this Qt has is called.
template<typename System = QWindowSystemInterface>
static void reportFocusWindow(QWindow *window)
{
    using Delivery = QWindowSystemInterface::SynchronousDelivery;
    if constexpr (requires { System::template handleFocusWindowChanged<Delivery>(window); })
        System::template handleFocusWindowChanged<Delivery>(window, Qt::ActiveWindowFocusReason);
    else
        System::template handleWindowActivated<Delivery>(window, Qt::ActiveWindowFocusReason);
}

void activate(QWidget *widget)
{
    reportFocusWindow(widget->window()->windowHandle());
}

} // namespace UserInput
