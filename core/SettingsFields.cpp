// SPDX-License-Identifier: MIT
#include "core/SettingsFields.h"

#include "core/CodePoints.h"
#include "core/ReadmeSettings.h"
#include "core/Texts.h"

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace SettingsFields {

namespace {

QString captionsWhere(const QList<StoredField> &fields,
                      const std::function<bool(const QString &)> &test)
{
    QStringList captions;
    for (const StoredField &field : fields) {
        if (std::any_of(field.values.cbegin(), field.values.cend(), test))
            captions.append(u"「%1」"_s.arg(field.caption));
    }
    return captions.join(u'、');
}

} // namespace

QList<StoredField> storedFields(const ReadmeSettings &s)
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
        {Caption::leftList(), s.list2Left, false},
        {Caption::rightList(), s.List2Right, true},
        {Caption::cmbKakko.toString(), {s.cmbKakko}, true},
        {Caption::cmbLine.toString(), {s.cmbLine}, true},
        {Caption::cmbFile.toString(), {s.cmbFile}, false},
        {Caption::txtPath.toString(), {s.txtPath}, false},
    };
}

QString captionsHolding(const QList<StoredField> &fields, const QList<char32_t> &characters)
{
    return captionsWhere(fields, [&characters](const QString &value) {
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (characters.contains(CodePoints::next(value, i)))
                return true;
        }
        return false;
    });
}

QString captionsWithLineBreaks(const QList<StoredField> &fields)
{
    return captionsWhere(fields, [](const QString &value) {
        return value.contains(u'\r') || value.contains(u'\n');
    });
}

} // namespace SettingsFields
