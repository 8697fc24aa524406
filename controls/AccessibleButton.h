// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

#include <functional>

// What a screen reader is told about a label or picture that serves as a
// button: a push button, named by the widget's accessible name, whose Press
// action clicks it as the mouse or the keyboard does. It draws nothing and
// handles no input of its own.
class AccessibleButton : public QAccessibleWidget
{
public:
    AccessibleButton(QWidget *button, std::function<void()> press);

    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    const std::function<void()> m_press;
};
