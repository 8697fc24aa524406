// SPDX-License-Identifier: MIT
#include "core/SettingsFields.h"

#include "core/CodePoints.h"
#include "core/Texts.h"

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace SettingsFields {

namespace {

using S = ReadmeSettings;

QString captionsWhere(const ReadmeSettings &settings, Carrier carrier,
                      const std::function<bool(const QString &)> &test)
{
    QStringList captions;
    for (const Field &field : fields()) {
        const QStringList values = valuesCarried(field, settings, carrier);
        if (std::any_of(values.cbegin(), values.cend(), test))
            captions.append(u"「%1」"_s.arg(field.caption));
    }
    return captions.join(u'、');
}

} // namespace

const QList<Field> &fields()
{
    using namespace Texts;
    // Each ReadMe label is 14 columns wide in code page 932 (full-width
    // characters take two), so that with two-column brackets every value
    // starts in column 19.
    static const QList<Field> table = {
        {Kind::Text, &S::txtTitle, nullptr, Caption::txtTitle.toString(), u"   ソフト名   ", 1},
        {Kind::Text, &S::txtName, nullptr, Caption::txtName.toString(), u"    作成者    ", 2},
        {Kind::Text, &S::txtVer, nullptr, Caption::txtVer.toString(), u"  バージョン  ", 3},
        {Kind::Text, &S::txtDiary, nullptr, Caption::txtDiary.toString(), u"   作成日時   ", 4},
        {Kind::Text, &S::cmbDousa, nullptr, Caption::cmbDousa.toString(), u" 動作確認環境 ", 5},
        {Kind::Text, &S::cmbHissu, nullptr, Caption::cmbHissu.toString(), u"   必須環境   ", 6},
        {Kind::Text, &S::cmbSoft, nullptr, Caption::cmbSoft.toString(), u" ソフトの種類 ", 7},
        {Kind::Text, &S::cmbTF, nullptr, Caption::cmbTF.toString(), u"  転載の可否  ", 8},
        {Kind::Text, &S::txtURL, nullptr, Caption::txtURL.toString(), u"    WebSite   ", 9},
        {Kind::Text, &S::txtMail, nullptr, Caption::txtMail.toString(), u"メールアドレス", 10},
        {Kind::AvailableHeadings, nullptr, &S::list2Left, Caption::leftList(), {}, 0},
        {Kind::ChosenHeadings, nullptr, &S::List2Right, Caption::rightList(), {}, 0},
        {Kind::Brackets, &S::cmbKakko, nullptr, Caption::cmbKakko.toString(), {}, 13},
        {Kind::LineStyle, &S::cmbLine, nullptr, Caption::cmbLine.toString(), {}, 11},
        {Kind::FileName, &S::cmbFile, nullptr, Caption::cmbFile.toString(), {}, 12},
        {Kind::Folder, &S::txtPath, nullptr, Caption::txtPath.toString(), {}, 14},
    };
    return table;
}

QStringList valuesCarried(const Field &field, const ReadmeSettings &settings, Carrier carrier)
{
    const QStringList values =
        field.text ? QStringList{settings.*field.text} : settings.*field.list;
    if (carrier == Carrier::Template)
        return values;
    switch (field.kind) {
    case Kind::Text:
    case Kind::LineStyle:
    case Kind::ChosenHeadings:
        return values;
    case Kind::Brackets: {
        const QString &style = values.first();
        return {CodePoints::first(style).toString() + CodePoints::last(style).toString()};
    }
    case Kind::FileName:
    case Kind::Folder:
    case Kind::AvailableHeadings:
        break;
    }
    return {};
}

QString captionsHolding(const ReadmeSettings &settings, Carrier carrier,
                        const QList<char32_t> &characters)
{
    return captionsWhere(settings, carrier, [&characters](const QString &value) {
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (characters.contains(CodePoints::next(value, i)))
                return true;
        }
        return false;
    });
}

QString captionsWithLineBreaks(const ReadmeSettings &settings)
{
    return captionsWhere(settings, Carrier::Template, [](const QString &value) {
        return value.contains(u'\r') || value.contains(u'\n');
    });
}

} // namespace SettingsFields
