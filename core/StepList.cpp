// SPDX-License-Identifier: MIT
#include "core/StepList.h"

#include <QStringList>

namespace StepList {

QString caption(int wizardPage)
{
    return steps(wizardPage).join(u"\r\n↓\r\n"_qs);
}

QStringList steps(int wizardPage)
{
    const bool last = wizardPage == PageCount - 1;
    const QStringList names = {
        u"Welcome to Tessel"_qs,
        last ? u"タイトルの設定1"_qs : u"タイトル設定1"_qs,
        last ? u"タイトルの設定2"_qs : u"タイトル設定2"_qs,
        u"項目の追加"_qs,
        u"その他の設定"_qs,
    };
    return names.first(qBound(0, wizardPage, PageCount - 1) + 1);
}

} // namespace StepList
