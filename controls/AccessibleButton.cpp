// SPDX-License-Identifier: MIT
#include "controls/AccessibleButton.h"

AccessibleButton::AccessibleButton(QWidget *button, std::function<void()> press)
    : QAccessibleWidget(button, QAccessible::Button),
      m_press(std::move(press))
{
}

// Press first: a screen reader takes the first action as the default one.
QStringList AccessibleButton::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void AccessibleButton::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        m_press();
    else
        QAccessibleWidget::doAction(actionName);
}
