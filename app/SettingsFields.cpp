// SPDX-License-Identifier: MIT
#include "app/SettingsFields.h"

#include "app/ReadmeSettings.h"

#include <algorithm>
#include <functional>

namespace SettingsFields {

namespace {

QString captionsWhere(const QList<Field> &fields, const std::function<bool(const QString &)> &test)
{
    QStringList captions;
    for (const Field &field : fields) {
        if (std::any_of(field.values.cbegin(), field.values.cend(), test))
            captions.append(u"「%1」"_qs.arg(field.caption));
    }
    return captions.join(u'、');
}

} // namespace

QList<Field> storedFields(const ReadmeSettings &s)
{
    return {
        {u"ソフトウェアのタイトル"_qs, {s.txtTitle}, true},
        {u"作成者"_qs, {s.txtName}, true},
        {u"バージョン"_qs, {s.txtVer}, true},
        {u"作成日時"_qs, {s.txtDiary}, true},
        {u"動作確認環境"_qs, {s.cmbDousa}, true},
        {u"必須環境"_qs, {s.cmbHissu}, true},
        {u"ソフトの種類"_qs, {s.cmbSoft}, true},
        {u"転載の可否"_qs, {s.cmbTF}, true},
        {u"サイトアドレス"_qs, {s.txtURL}, true},
        {u"Mailアドレス"_qs, {s.txtMail}, true},
        {u"項目の追加（左の一覧）"_qs, s.list2Left, false},
        {u"項目の追加（右の一覧）"_qs, s.List2Right, true},
        {u"カッコの種類"_qs, {s.cmbKakko}, true},
        {u"線の種類"_qs, {s.cmbLine}, true},
        {u"ファイル名"_qs, {s.cmbFile}, false},
        {u"保存先の指定"_qs, {s.txtPath}, false},
    };
}

QString captionsHolding(const QList<Field> &fields, const QList<char32_t> &characters)
{
    return captionsWhere(fields, [&characters](const QString &value) {
        for (qsizetype i = 0; i < value.size(); ++i) {
            char32_t c = value.at(i).unicode();
            if (QChar::isHighSurrogate(c) && i + 1 < value.size()
                && value.at(i + 1).isLowSurrogate()) {
                c = QChar::surrogateToUcs4(value.at(i), value.at(i + 1));
                ++i;
            }
            if (characters.contains(c))
                return true;
        }
        return false;
    });
}

QString captionsWithLineBreaks(const QList<Field> &fields)
{
    return captionsWhere(fields, [](const QString &value) {
        return value.contains(u'\r') || value.contains(u'\n');
    });
}

} // namespace SettingsFields
