// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

// The program's two modal boxes: a message with an OK button only, captioned
// with the program's title, and an input box. Every window shows them through
// here, so they look the same everywhere and tests can find them by name
// ("messageBox", "inputBox") and answer them.
namespace Prompts {

inline constexpr auto ProgramTitle = u"NeatTessel";

void showMessage(QWidget *parent, const QString &text);

// The typed text; the empty text when the box was cancelled.
[[nodiscard]] QString askText(QWidget *parent, const QString &prompt, const QString &title);

} // namespace Prompts
