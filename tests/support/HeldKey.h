// SPDX-License-Identifier: MIT
#pragma once

// A key held down for about a second, as an X server and Qt's xcb plugin
// deliver it on a busy machine, through the platform's own entry point: a
// press; a repeat every 40 ms as a release and a press at the same moment,
// of which the plugin marks only two in three as auto-repeated; then the
// release. Each hold starts later than the last one ended, as the server's
// clock runs on.

#include <QEventLoop>
#include <QGuiApplication>
#include <QList>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <functional>

namespace HeldKey {

// Each event goes to the window that has the focus when it is sent, one at
// a time from a timer, so that a box that a press opens gets the ones after
// it while it blocks. `afterEach` runs once each has been handled, told
// whether it was the last.
inline void hold(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &text,
                 const std::function<void(bool released)> &afterEach = {})
{
    struct Stroke
    {
        QEvent::Type type;
        ulong time;
        bool marked;
    };
    static ulong clock = 1000;
    QList<Stroke> strokes{{QEvent::KeyPress, clock, false}};
    for (int i = 1; i <= 24; ++i) {
        clock += 40;
        strokes.append({QEvent::KeyRelease, clock, i % 3 != 0});
        strokes.append({QEvent::KeyPress, clock, i % 3 != 0});
    }
    strokes.append({QEvent::KeyRelease, clock += 40, false});
    clock += 1000;

    qsizetype sent = 0;
    QEventLoop done;
    QTimer timer;
    timer.callOnTimeout([&] {
        if (sent > 0 && afterEach)
            afterEach(sent == strokes.size());
        if (sent == strokes.size()) {
            timer.stop();
            done.quit();
            return;
        }
        const Stroke &stroke = strokes.at(sent++);
        QWindowSystemInterface::handleExtendedKeyEvent(QGuiApplication::focusWindow(), stroke.time,
                                                       stroke.type, key, modifiers, 0, 0, 0, text,
                                                       stroke.marked);
    });
    timer.start(0);
    QTimer::singleShot(10'000, &done, &QEventLoop::quit);
    done.exec();
}

} // namespace HeldKey
