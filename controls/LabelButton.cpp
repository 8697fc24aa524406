// SPDX-License-Identifier: MIT
#include "controls/LabelButton.h"

#include "controls/ClickFilter.h"

LabelButton::LabelButton(const QString &name, const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setObjectName(name);
    setAccessibleName(caption);
    setAlignment(Qt::AlignCenter);
    connect(new ClickFilter(this), &ClickFilter::clicked, this, &LabelButton::clicked);
}

void LabelButton::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus())
        ClickFilter::paintFocusFrame(this);
}
