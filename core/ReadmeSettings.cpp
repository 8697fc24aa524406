// SPDX-License-Identifier: MIT
#include "core/ReadmeSettings.h"

#include "core/ChoiceLists.h"
#include "core/OutputPath.h"

ReadmeSettings ReadmeSettings::atStartup()
{
    ReadmeSettings s;
    s.cmbKakko = ChoiceLists::bracketStyles().first();
    s.cmbLine = ChoiceLists::lineStyles().first();
    s.cmbFile = ChoiceLists::fileNames().first();
    s.list2Left = ChoiceLists::availableHeadings();
    s.cmbDousa = ChoiceLists::testedEnvironments().first();
    s.cmbHissu = ChoiceLists::requiredEnvironments().first();
    s.cmbSoft = ChoiceLists::softwareKinds().first();
    s.cmbTF = ChoiceLists::redistributionTerms().first();
    s.txtPath = initialFolder();
    return s;
}
