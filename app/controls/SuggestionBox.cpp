// SPDX-License-Identifier: MIT
#include "app/controls/SuggestionBox.h"

#include "app/controls/Controls.h"

#include <QLineEdit>
#include <QWheelEvent>

SuggestionBox::SuggestionBox(const QString &name, const QStringList &suggestions,
                             QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // setEditable() installs a completer that completes inline; the value is
    // what was typed, so it goes.
    setCompleter(nullptr);
    Controls::allowAnyLength(lineEdit());
    // A combo box takes the focus from the wheel by default, and so would
    // step at the first notch anyway.
    setFocusPolicy(Qt::StrongFocus);
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

// Ignored, the wheel goes on to the page, which does nothing with it.
void SuggestionBox::wheelEvent(QWheelEvent *event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
