// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

class QWidget;

// The program's two modal boxes: a message with an OK button only, captioned
// with the program's title, and an input box. Every window shows them through
// here, so they look the same everywhere, and tests answer them through the
// queue below instead of waiting for a box to appear.
namespace Prompts {

void showMessage(QWidget *parent, const QString &text);

// The typed text; the empty text when the box was cancelled.
[[nodiscard]] QString askText(QWidget *parent, const QString &prompt, const QString &title);

// For tests: while answers are queued, each box takes the first one instead
// of showing itself, and what it would have shown is recorded. The program
// never queues one, so its boxes always show.
struct Answer
{
    bool accepted = true; // OK rather than キャンセル
    QString typed;        // what an input box returns when accepted
};
struct Shown
{
    QString title;
    QString text; // the message, or the input box's prompt
};
void queueAnswer(const Answer &answer = {});
// The boxes answered from the queue, oldest first.
[[nodiscard]] QList<Shown> answered();
// Forgets the answers left and the boxes answered.
void clearAnswers();

} // namespace Prompts
