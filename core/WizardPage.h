// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// The wizard's pages in the order Next walks them; the value is the page's
// number, 0 to 4, as the step list counts it.
enum class WizardPage : qint16 { Welcome, Title, Environment, Sections, Output };

inline constexpr int WizardPageCount = int(WizardPage::Output) + 1;
