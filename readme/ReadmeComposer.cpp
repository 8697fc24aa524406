// SPDX-License-Identifier: MIT
#include "readme/ReadmeComposer.h"

#include "core/CodePoints.h"
#include "core/ReadmeSettings.h"

#include <array>

namespace ReadmeComposer {

namespace {

constexpr QStringView CrLf = u"\r\n";

// Each label is 14 columns wide in code page 932 (full-width characters take
// two), so that with two-column brackets every value starts in column 19.
const std::array<QStringView, 10> Labels = {
    u"   ソフト名   ", u"    作成者    ", u"  バージョン  ", u"   作成日時   ", u" 動作確認環境 ",
    u"   必須環境   ", u" ソフトの種類 ", u"  転載の可否  ", u"    WebSite   ", u"メールアドレス",
};

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
    const std::array<const QString *, 10> values = {
        &s.txtTitle, &s.txtName, &s.txtVer, &s.txtDiary, &s.cmbDousa,
        &s.cmbHissu, &s.cmbSoft, &s.cmbTF,  &s.txtURL,   &s.txtMail,
    };
    QString text;
    qsizetype headingsSize = 0;
    for (const QString &heading : s.List2Right)
        headingsSize += heading.size() + brackets.open.size() + brackets.close.size() + 8;
    text.reserve(2 * (4 * s.cmbLine.size() + 2) + 10 * 40 + headingsSize);

    appendRuleLine(text, s.cmbLine);
    for (std::size_t i = 0; i < Labels.size(); ++i)
        appendFieldLine(text, brackets, Labels[i], *values[i]);
    appendRuleLine(text, s.cmbLine);
    for (const QString &heading : s.List2Right)
        appendSectionHeading(text, brackets, heading);
    return text;
}

} // namespace ReadmeComposer
