// SPDX-License-Identifier: MIT
#include "readme/ReadmeComposer.h"

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

QString firstCharacter(const QString &text)
{
    const qsizetype length =
        text.size() > 1 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate() ? 2 : 1;
    return text.left(length);
}

QString lastCharacter(const QString &text)
{
    const qsizetype n = text.size();
    const qsizetype length =
        n > 1 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate() ? 2 : 1;
    return text.right(length);
}

void appendRuleLine(QString &text, const QString &lineStyle)
{
    for (int i = 0; i < 4; ++i)
        text += lineStyle;
    text += CrLf;
}

} // namespace

Brackets bracketsOf(const QString &bracketStyle)
{
    if (bracketStyle.isEmpty())
        return {};
    return {firstCharacter(bracketStyle), lastCharacter(bracketStyle)};
}

void AppendFieldLine(QString &text, const Brackets &brackets, QStringView label, QStringView value)
{
    text += brackets.open;
    text += label;
    text += brackets.close;
    text += value;
    text += CrLf;
}

void AppendSectionHeading(QString &text, const Brackets &brackets, const QString &heading)
{
    text += brackets.open;
    text += heading;
    text += brackets.close;
    for (int i = 0; i < 4; ++i)
        text += CrLf;
}

QString ComposeReadme(const ReadmeSettings &s)
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
        AppendFieldLine(text, brackets, Labels[i], *values[i]);
    appendRuleLine(text, s.cmbLine);
    for (const QString &heading : s.List2Right)
        AppendSectionHeading(text, brackets, heading);
    return text;
}

} // namespace ReadmeComposer
