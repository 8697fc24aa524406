// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QWidget>

class LabelButton;

// Page 0 of the wizard, the panel Picture1: the welcome texts and the
// label-button lbltmp, which asks for the template picker. It holds no
// answers and opens no window itself.
class WelcomePage : public QWidget
{
    Q_OBJECT
public:
    explicit WelcomePage(QWidget *parent);

    // Its controls in keyboard order.
    [[nodiscard]] QList<QWidget *> tabOrder() const;

Q_SIGNALS:
    void templatePickerRequested();

private:
    LabelButton *const m_lbltmp;
};
