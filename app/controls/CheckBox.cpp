// SPDX-License-Identifier: MIT
#include "app/controls/CheckBox.h"

CheckBox::CheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent)
{
}

// Grayed goes to ticked, as a standard check box of Windows does.
void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}
