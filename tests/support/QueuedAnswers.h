// SPDX-License-Identifier: MIT
#pragma once

#include "controls/Prompts.h"

// Answers the next boxes the program shows through Prompts, one answer each,
// in order, and lets the test read what each box said. What is left
// unanswered is dropped when it goes, so no answer reaches another test.
class QueuedAnswers
{
public:
    explicit QueuedAnswers(const QList<Prompts::Answer> &answers = {Prompts::Answer()});
    ~QueuedAnswers();
    QueuedAnswers(const QueuedAnswers &) = delete;
    QueuedAnswers &operator=(const QueuedAnswers &) = delete;

    // The boxes answered so far, oldest first.
    [[nodiscard]] QList<Prompts::Shown> seen() const;
};
