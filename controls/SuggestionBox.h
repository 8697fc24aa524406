// SPDX-License-Identifier: MIT
#pragma once

#include "controls/ComboBox.h"

#include <QStringList>

// An editable drop-down field: free text with a fixed list of suggestions.
// Picking a suggestion (drop-down, Up, Down) copies it into the text; typing
// replaces the text. Its value is always the text exactly as shown: typed
// text is never added to the suggestions and never completed ("Windows"
// stays "Windows", it does not grow into "Windows95"). It holds text of any
// length. The mouse wheel steps through the suggestions only while the field
// has the focus (ComboBox); over any other field it would replace what was
// typed.
class SuggestionBox : public ComboBox
{
    Q_OBJECT
public:
    // Starts with the first suggestion as its text.
    SuggestionBox(const QString &name, const QStringList &suggestions, QWidget *parent);

    [[nodiscard]] QString value() const { return currentText(); }
    // Any text, a suggestion or not; a suggestion becomes the current entry.
    void setValue(const QString &text);
};
