// SPDX-License-Identifier: MIT
#include "readme/ReadmeComposer.h"

#include "core/CodePoints.h"
#include "core/ReadmeSettings.h"
#include "core/SettingsFields.h"

namespace ReadmeComposer {

namespace {

constexpr QStringView CrLf = u"\r\n";

void appendRuleLine(QString &text, const QString &lineStyle)
{
    for (int i = 0; i < 4; ++i)
        text += lineStyle;
    text += CrLf;
}

} // namespace

Brackets bracketsOf(const QString &bracketStyle)
{
    return {CodePoints::first(bracketStyle).toString(), CodePoints::last(bracketStyle).toString()};
}

void appendFieldLine(QString &text, const Brackets &brackets, QStringView label, QStringView value)
{
    text += brackets.open;
    text += label;
    text += brackets.close;
    text += value;
    text += CrLf;
}

void appendSectionHeading(QString &text, const Brackets &brackets, const QString &heading)
{
    text += headingLine(brackets, heading);
    for (int i = 0; i < 4; ++i)
        text += CrLf;
}

QString headingLine(const Brackets &brackets, const QString &heading)
{
    return brackets.open + heading + brackets.close;
}

QString compose(const ReadmeSettings &s)
{
    const Brackets brackets = bracketsOf(s.cmbKakko);
    QString text;
    qsizetype headingsSize = 0;
    for (const QString &heading : s.List2Right)
        headingsSize += heading.size() + brackets.open.size() + brackets.close.size() + 8;
    text.reserve(2 * (4 * s.cmbLine.size() + 2) + 10 * 40 + headingsSize);

    appendRuleLine(text, s.cmbLine);
    for (const SettingsFields::Field &field : SettingsFields::fields()) {
        if (field.kind == SettingsFields::Kind::Text)
            appendFieldLine(text, brackets, field.readmeLabel, s.*field.text);
    }
    appendRuleLine(text, s.cmbLine);
    for (const QString &heading : s.List2Right)
        appendSectionHeading(text, brackets, heading);
    return text;
}

} // namespace ReadmeComposer
