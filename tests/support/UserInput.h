// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QListWidget;
class QWidget;

// What the GUI tests do as a user: type any text (QTest::keyClicks sends
// Latin-1 only), turn the wheel and click an entry of a list. The modal boxes are answered
// through QueuedAnswers.
namespace UserInput {

// One key event per character, carrying it, as an input method delivers it.
void typeText(QWidget *widget, const QString &text);

// Notches of the mouse wheel, away from the user, over the middle of
// `widget`. Each goes to the widget under the pointer as the platform's does:
// marked spontaneous, so that Qt also gives the focus to a widget that takes
// it from the wheel and passes an ignored one on.
void turnWheel(QWidget *widget, int notches);

void clickRow(QListWidget *list, int row);

// Makes the window of `widget` the active one at once, as the platform
// reports it when the window manager gives it the focus.
void activate(QWidget *widget);

} // namespace UserInput
