// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>

// A check box as the user knows it: a click, or Space, toggles between
// unticked and ticked, also from the grayed state, which only the program
// sets; Space held down toggles it once. A QCheckBox given the grayed state
// turns tri-state and from then on lets the user click it grayed again.
class CheckBox : public QCheckBox
{
    Q_OBJECT
public:
    CheckBox(const QString &caption, QWidget *parent);

protected:
    void nextCheckState() override;
};
