// SPDX-License-Identifier: MIT
#pragma once

#include "controls/Picture.h"

// A picture that serves as a button: a click presses it, it takes the focus
// with Tab and presses with Space or Enter.
class PictureButton : public Picture
{
    Q_OBJECT
public:
    PictureButton(const QString &name, const QString &picture, QSize size, QWidget *parent);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
};
