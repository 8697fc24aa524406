// SPDX-License-Identifier: MIT
#include "controls/PictureButton.h"

#include "controls/ClickFilter.h"

PictureButton::PictureButton(const QString &name, const QString &picture, QSize size,
                             QWidget *parent)
    : Picture(name, picture, size, parent)
{
    connect(new ClickFilter(this), &ClickFilter::clicked, this, &PictureButton::clicked);
}

void PictureButton::paintEvent(QPaintEvent *event)
{
    Picture::paintEvent(event);
    if (hasFocus())
        ClickFilter::paintFocusFrame(this);
}
