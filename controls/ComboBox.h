// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

// A drop-down list that the mouse wheel steps through only while it has the
// focus; the wheel never gives it the focus. Qt's own follows the wheel
// wherever the pointer rests, and would change a value the user is not
// looking at, such as a typed text or the open drive.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget *parent);

protected:
    void wheelEvent(QWheelEvent *event) override;
};
