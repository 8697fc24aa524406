// SPDX-License-Identifier: MIT
#pragma once

#include "core/WizardPage.h"

#include <QString>
#include <QStringList>

// The caption of the step list lblItem: the step names of the wizard pages up
// to and including `page`, each pair separated by a line "↓", lines joined
// by CR LF with none at the end. The last page names pages 1 and 2
// "タイトルの設定1/2", pages 1 to 3 name them "タイトル設定1/2".
namespace StepList {

[[nodiscard]] QString caption(WizardPage page);

// The step names of the caption, without the arrows.
[[nodiscard]] QStringList steps(WizardPage page);

} // namespace StepList
