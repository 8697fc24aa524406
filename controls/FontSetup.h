// SPDX-License-Identifier: MIT
#pragma once

// The windows name Japanese fonts of Windows ("MS UI Gothic", "ＭＳ ゴシック",
// "MS Gothic"). Where they are missing, fontconfig would fall back to a Latin
// font whose half-width characters are not half as wide as full-width ones,
// and the aligned labels of the ReadMe preview would no longer line up. This
// registers Japanese substitutes that keep that ratio, and a substitute of
// the same size for the header's "Times New Roman"; installed originals
// still win.
namespace FontSetup {

inline constexpr auto UiFont = u"MS UI Gothic";
inline constexpr auto FixedFont = u"ＭＳ ゴシック";
inline constexpr auto HeaderFont = u"Times New Roman";

void registerSubstitutes();

} // namespace FontSetup
