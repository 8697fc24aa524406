// SPDX-License-Identifier: MIT
#include "core/SettingsFields.h"

#include "core/ReadmeSettings.h"
#include "core/Texts.h"

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
    using namespace Texts;
    return {
        {Caption::txtTitle.toString(), {s.txtTitle}, true},
        {Caption::txtName.toString(), {s.txtName}, true},
        {Caption::txtVer.toString(), {s.txtVer}, true},
        {Caption::txtDiary.toString(), {s.txtDiary}, true},
        {Caption::cmbDousa.toString(), {s.cmbDousa}, true},
        {Caption::cmbHissu.toString(), {s.cmbHissu}, true},
        {Caption::cmbSoft.toString(), {s.cmbSoft}, true},
        {Caption::cmbTF.toString(), {s.cmbTF}, true},
        {Caption::txtURL.toString(), {s.txtURL}, true},
        {Caption::txtMail.toString(), {s.txtMail}, true},
        {Caption::list2Left(), s.list2Left, false},
        {Caption::List2Right(), s.List2Right, true},
        {Caption::cmbKakko.toString(), {s.cmbKakko}, true},
        {Caption::cmbLine.toString(), {s.cmbLine}, true},
        {Caption::cmbFile.toString(), {s.cmbFile}, false},
        {Caption::txtPath.toString(), {s.txtPath}, false},
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
