// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QListWidget;
class QWidget;

// What the GUI tests do as a user: type any text (QTest::keyClicks sends
// Latin-1 only) and click an entry of a list. The modal boxes are answered
// through QueuedAnswers.
namespace UserInput {

// One key event per character, carrying it, as an input method delivers it.
void typeText(QWidget *widget, const QString &text);

void clickRow(QListWidget *list, int row);

} // namespace UserInput
