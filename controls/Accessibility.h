// SPDX-License-Identifier: MIT
#pragma once

// Tells Qt's accessibility layer what the windows' own widgets are. Qt knows
// only its own classes: it would announce a label button as a label, and a
// picture button or a window made from a bare QWidget as an unnamed "filler".
// Here label and picture buttons become push buttons with a Press action, a
// picture that is no button a graphic, and such a window a window.
namespace Accessibility {

// Call once, after the application object is made and before the first
// window: Qt keeps the first description it makes of a widget.
void install();

} // namespace Accessibility
