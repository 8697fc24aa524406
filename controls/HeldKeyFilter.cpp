// SPDX-License-Identifier: MIT
#include "controls/HeldKeyFilter.h"

#include "controls/Keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// The last release of a key, wherever the focus was: a box that a press
// opens, or a window that takes the focus late, gets the repeat's press
// without having seen its release.
struct Release
{
    int key = 0;
    quint64 timestamp = 0;
};
Release lastRelease;

bool isRepeat(const QKeyEvent *press)
{
    return press->isAutoRepeat()
           || (press->timestamp() != 0 && press->key() == lastRelease.key
               && press->timestamp() == lastRelease.timestamp);
}

} // namespace

void HeldKeyFilter::install(QWidget *widget)
{
    // One filter on the application sees every release.
    static const bool watchingReleases = [] {
        qApp->installEventFilter(new HeldKeyFilter(qApp));
        return true;
    }();
    Q_UNUSED(watchingReleases);
    widget->installEventFilter(new HeldKeyFilter(widget));
}

bool HeldKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::KeyRelease) {
        if (!key->isAutoRepeat())
            lastRelease = {key->key(), key->timestamp()};
        return false;
    }
    // The application's filter only watches; a widget's takes its repeats.
    return watched == parent() && Keys::pressesButton(key->key()) && isRepeat(key);
}
