// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

// Makes any widget act as a button: a left click inside it, or Space or
// Enter while it has the focus, emits clicked(); a key held down emits it
// once (HeldKeyFilter). The label and picture buttons share it, and its
// focus frame.
class ClickFilter : public QObject
{
    Q_OBJECT
public:
    explicit ClickFilter(QWidget *button);

    // Draws the dotted frame that shows the button has the focus.
    static void paintFocusFrame(QWidget *button);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *const m_button;
    bool m_pressed = false;
};
