// SPDX-License-Identifier: MIT
#include "controls/CheckBox.h"

#include "controls/HeldKeyFilter.h"

CheckBox::CheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent)
{
    HeldKeyFilter::install(this);
}

// Grayed goes to ticked, as a standard check box of Windows does.
void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}
