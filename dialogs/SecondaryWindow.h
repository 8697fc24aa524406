// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QString>

class Picture;
class PictureButton;
class QWidget;

// What the template picker, the save-folder picker and the about window have
// in common: the frame and the pictures they show. Each window
// places its own controls and decides what they do; nothing here knows
// about them.
namespace SecondaryWindow {

// Makes `window` a small top-level window without owner: fixed client size, a
// title bar with only a close box, kept out of the task bar, white, in the
// windows' UI font, deleted when it is closed, and centred on the screen
// with its frame when it is first shown.
void setUp(QWidget *window, const QString &name, const QString &caption, QSize clientSize);

// Escape closes `window`, as its close box does.
void closeOnEscape(QWidget *window);

// The main window's title picture, at `left` twips along the top edge.
[[nodiscard]] Picture *titlePicture(QWidget *window, const QString &picture, int left);

// The picture buttons OK and Cancel of a picker, `top` twips down.
[[nodiscard]] PictureButton *okButton(QWidget *window, int top);
[[nodiscard]] PictureButton *cancelButton(QWidget *window, int top);

// A picker's black bars, 135 twips wide, along the left edge and at `right`
// twips. They lie beneath the other controls: the title picture's last
// letter reaches the right-hand bar.
void addSideBars(QWidget *window, int right, int height);

} // namespace SecondaryWindow
