// SPDX-License-Identifier: MIT
#include "QueuedAnswers.h"

QueuedAnswers::QueuedAnswers(const QList<Prompts::Answer> &answers)
{
    Prompts::clearAnswers();
    for (const Prompts::Answer &answer : answers)
        Prompts::queueAnswer(answer);
}

QueuedAnswers::~QueuedAnswers()
{
    Prompts::clearAnswers();
}

QList<Prompts::Shown> QueuedAnswers::seen() const
{
    return Prompts::answered();
}
