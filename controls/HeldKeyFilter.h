// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

// Lets Space, Enter or Return held down act once on a widget: it takes the
// presses that only repeat the key away before the widget sees them. A
// repeat is a press the platform marks as auto-repeated, or one that comes
// at the same moment as the release of the same key just before it: on a
// busy X server Qt's xcb plugin passes many repeats on unmarked, as such a
// release and press. A press at a later moment is a new one and acts.
// Releases always go through, so a control that acts on the release (a check
// box) acts at the first one and, its repeats taken away, not again. An
// event the program makes itself carries no time (0) and is judged by its
// mark alone. Other keys repeat as usual.
class HeldKeyFilter : public QObject
{
    Q_OBJECT
public:
    // Filters `widget`'s key presses before its other filters do.
    static void install(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
