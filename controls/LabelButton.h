// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label that serves as a button: it reacts to a click, takes the keyboard
// focus with Tab, presses with Space or Enter, and shows a focus frame. It
// keeps the look of a label; the caption, border and background are set by
// the window that holds it.
class LabelButton : public QLabel
{
    Q_OBJECT
public:
    LabelButton(const QString &name, const QString &caption, QWidget *parent);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
};
