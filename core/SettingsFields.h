// SPDX-License-Identifier: MIT
#pragma once

#include "core/ReadmeSettings.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The answers field by field, in one table: the member that holds each, the
// caption that stands above its input on its page (so that a message can
// name the field the user has to change), the label of its line in the
// ReadMe, its line in a template, and its kind. The composer, the template
// format and the refusal messages all read it. The lists of page 3 have no
// caption of their own; they are named after the page's caption and their
// side. The two check boxes are not stored and are not in it.
namespace SettingsFields {

// What a field is, and so how much of it the ReadMe carries.
enum class Kind {
    Text,              // a line of its own in the ReadMe, after its label
    LineStyle,         // the ReadMe's rule lines are made of it
    Brackets,          // the ReadMe carries only its first and last character
    FileName,          // names the ReadMe; never in its text
    Folder,            // holds the ReadMe; never in its text
    AvailableHeadings, // the headings left unchosen; never in the ReadMe
    ChosenHeadings,    // one heading line each in the ReadMe
};

struct Field
{
    Kind kind;
    QString ReadmeSettings::*text;     // the member, for a single value
    QStringList ReadmeSettings::*list; // the member, for a list
    QString caption;
    QStringView readmeLabel; // of a Text field; empty for the others
    int templateLine;        // 1-based; 0 for the lists, which follow the lines
};

// Every field, in the order of the wizard pages, which is also the order of
// the ReadMe's labelled lines.
[[nodiscard]] const QList<Field> &fields();

// What the ReadMe and the template each carry of a field.
enum class Carrier { Readme, Template };
[[nodiscard]] QStringList valuesCarried(const Field &field, const ReadmeSettings &settings,
                                        Carrier carrier);

// 「作成者」、「保存先の指定」: the fields whose values, as `carrier` carries
// them, hold one of `characters`, each once; empty when none does.
[[nodiscard]] QString captionsHolding(const ReadmeSettings &settings, Carrier carrier,
                                      const QList<char32_t> &characters);

// The same for the fields with a CR or an LF in one of their values, as a
// template stores them.
[[nodiscard]] QString captionsWithLineBreaks(const ReadmeSettings &settings);

} // namespace SettingsFields
