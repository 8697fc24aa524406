// SPDX-License-Identifier: MIT
#pragma once

#include <Qt>

// The keys that act on the control with the focus, the same in every window.
namespace Keys {

// Return, or Enter on the keypad: opens or chooses the entry of a list.
[[nodiscard]] constexpr bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Space or Enter: presses a button.
[[nodiscard]] constexpr bool pressesButton(int key)
{
    return key == Qt::Key_Space || isEnter(key);
}

} // namespace Keys
