// SPDX-License-Identifier: MIT
#include "controls/SuggestionBox.h"

#include "controls/Controls.h"

#include <QLineEdit>

SuggestionBox::SuggestionBox(const QString &name, const QStringList &suggestions, QWidget *parent)
    : ComboBox(parent)
{
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // setEditable() installs a completer that completes inline; the value is
    // what was typed, so it goes.
    setCompleter(nullptr);
    Controls::allowAnyLength(lineEdit());
    setMaxVisibleItems(suggestions.size());
    addItems(suggestions);
    setCurrentIndex(0);
}

void SuggestionBox::setValue(const QString &text)
{
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        setCurrentIndex(index);
    setEditText(text);
}
