// SPDX-License-Identifier: MIT
#include "core/StepList.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace StepList {

QString caption(WizardPage page)
{
    return steps(page).join(u"\r\n↓\r\n"_s);
}

QStringList steps(WizardPage page)
{
    const bool last = page == WizardPage::Output;
    const QStringList names = {
        u"Welcome to Tessel"_s,
        last ? u"タイトルの設定1"_s : u"タイトル設定1"_s,
        last ? u"タイトルの設定2"_s : u"タイトル設定2"_s,
        u"項目の追加"_s,
        u"その他の設定"_s,
    };
    return names.first(int(page) + 1);
}

} // namespace StepList
