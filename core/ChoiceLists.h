// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// The fixed suggestion lists of the drop-down fields and the section headings
// offered at start, in the order the wizard shows them. Nothing here is
// sorted, and the lists never change while the program runs.
namespace ChoiceLists {

[[nodiscard]] QStringList bracketStyles();        // cmbKakko
[[nodiscard]] QStringList lineStyles();           // cmbLine
[[nodiscard]] QStringList fileNames();            // cmbFile
[[nodiscard]] QStringList availableHeadings();    // list2Left at start
[[nodiscard]] QStringList testedEnvironments();   // cmbDousa
[[nodiscard]] QStringList requiredEnvironments(); // cmbHissu
[[nodiscard]] QStringList softwareKinds();        // cmbSoft
[[nodiscard]] QStringList redistributionTerms();  // cmbTF

} // namespace ChoiceLists
