// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The caption of the step list lblItem: the step names of the wizard pages up
// to and including `wizardPage` (0 to 4), each pair separated by a line
// "↓", lines joined by CR LF with none at the end. Page 4 names pages 1 and
// 2 "タイトルの設定1/2", pages 1 to 3 name them "タイトル設定1/2".
namespace StepList {

inline constexpr int PageCount = 5;

[[nodiscard]] QString caption(int wizardPage);

// The step names of the caption, without the arrows.
[[nodiscard]] QStringList steps(int wizardPage);

} // namespace StepList
