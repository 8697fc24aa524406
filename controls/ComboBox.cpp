// SPDX-License-Identifier: MIT
#include "controls/ComboBox.h"

#include <QWheelEvent>

// Qt's policy takes the focus from the wheel, and would then step at the
// first notch anyway.
ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

// Ignored, the wheel goes on to the window, which does nothing with it.
void ComboBox::wheelEvent(QWheelEvent *event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
