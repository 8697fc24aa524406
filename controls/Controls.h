// SPDX-License-Identifier: MIT
#pragma once

#include "controls/Picture.h"
#include "core/ReadmeSettings.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <Qt>

class LabelButton;
class PictureButton;
class QCheckBox;
class QColor;
class QFont;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

// Makes the standard controls of the windows at their place, each
// named after its control, and moves values between them and the answers
// record. Each control belongs to its parent. The controls look and behave
// as Qt makes them; nothing here knows which window they belong to.
namespace Controls {

// "MS UI Gothic" at `points`; where it is missing, FontSetup's substitute,
// narrowed to its widths.
[[nodiscard]] QFont uiFont(qreal points);

// Centres the top-level `window` with its frame when it is first shown. An
// X11 window manager adds the frame only after that; the window is centred
// once more when the frame arrives. After that it stays where the user puts
// it.
void centreOnFirstShow(QWidget *window);

// Fills the background of `widget` with `colour`.
void setBackground(QWidget *widget, const QColor &colour);

// Draws the text of `widget` in `colour`.
void setTextColour(QWidget *widget, const QColor &colour);

// A plain area: a page panel, or a filled shape. Takes no focus.
QWidget *panel(QWidget *parent, const QString &name, const QRect &place, const QColor &colour);

// A caption: one or more lines on a transparent background, top aligned.
QLabel *label(QWidget *parent, const QString &name, const QString &caption, const QRect &place,
              Qt::Alignment alignment = Qt::AlignLeft);

// A single-line text box that holds text of any length.
QLineEdit *textBox(QWidget *parent, const QString &name, const QRect &place);

// Lifts Qt's limit of 32,767 characters, at which a line edit cuts typed,
// pasted and set text alike without a word: an answer has any length.
void allowAnyLength(QLineEdit *edit);

// A single-selection list whose entries all have the same height, so that
// filling it with thousands of entries stays quick.
QListWidget *listBox(QWidget *parent, const QString &name, const QRect &place);

// A check box that a click toggles between unticked and ticked. Only the
// program sets the grayed state.
QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption,
                    const QRect &place);

// A label that serves as a button: thin flat border, centred caption.
// `accessibleName` says what it does where the caption does not.
LabelButton *labelButton(QWidget *parent, const QString &name, const QString &caption,
                         const QRect &place, const QString &accessibleName);

// A picture that serves as a button, its top left corner at `left`, `top`
// (twips). `accessibleName` says what it does.
PictureButton *pictureButton(QWidget *parent, const QString &name, const QString &picture, int left,
                             int top, const QString &accessibleName,
                             QSize size = Picture::ButtonSize);

[[nodiscard]] QStringList entries(const QListWidget *list);
void setEntries(QListWidget *list, const QStringList &entries);

[[nodiscard]] Qt::CheckState toCheckState(CheckValue value);
[[nodiscard]] CheckValue toCheckValue(Qt::CheckState state);

} // namespace Controls
