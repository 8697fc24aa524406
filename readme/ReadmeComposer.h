// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct ReadmeSettings;

// Lays out the ReadMe text from the answers: a rule line, ten bracketed field
// lines, a second rule line, then one bracketed heading with three empty
// lines per chosen heading. Every line ends in CR LF. Nothing is trimmed,
// escaped or validated; the composer never sees a widget or a file.
namespace ReadmeComposer {

// The opening and closing bracket: the first and the last character of the
// bracket style (a character beyond U+FFFF counts as one), both empty for an
// empty style.
struct Brackets
{
    QString open;
    QString close;
};

[[nodiscard]] Brackets bracketsOf(const QString &bracketStyle);

[[nodiscard]] QString compose(const ReadmeSettings &settings);
void appendFieldLine(QString &text, const Brackets &brackets, QStringView label, QStringView value);
void appendSectionHeading(QString &text, const Brackets &brackets, const QString &heading);
// The line of a chosen heading, without its line end.
[[nodiscard]] QString headingLine(const Brackets &brackets, const QString &heading);

} // namespace ReadmeComposer
