// SPDX-License-Identifier: MIT
#include "core/StepList.h"

#include <QStringList>

namespace StepList {

QString caption(WizardPage page)
{
    return steps(page).join(u"\r\n↓\r\n"_qs);
}

QStringList steps(WizardPage page)
{
    const bool last = page == WizardPage::Output;
    const QStringList names = {
        u"Welcome to Tessel"_qs,
        last ? u"タイトルの設定1"_qs : u"タイトル設定1"_qs,
        last ? u"タイトルの設定2"_qs : u"タイトル設定2"_qs,
        u"項目の追加"_qs,
        u"その他の設定"_qs,
    };
    return names.first(int(page) + 1);
}

} // namespace StepList
