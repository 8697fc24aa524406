// SPDX-License-Identifier: MIT
#include "core/ChoiceLists.h"

namespace ChoiceLists {

QStringList bracketStyles()
{
    return {u"【 】"_qs, u"＜＞"_qs, u"≪≫"_qs, u"☆☆"_qs};
}

QStringList lineStyles()
{
    return {
        u"------------------"_qs, u"=================="_qs,     u"******************"_qs,
        u"－－－－－－－－－"_qs, u"_/_/_/_/_/_/_/_/_/_/_/"_qs,
    };
}

QStringList fileNames()
{
    return {u"ReadMe"_qs, u"Read_Me"_qs, u"はじめに"_qs, u"はじめにお読みください"_qs,
            u"読め！"_qs};
}

QStringList availableHeadings()
{
    return {
        u"はじめに"_qs,        u"フォルダの中身"_qs, u"ソフト紹介"_qs, u"ソフトの説明"_qs,
        u"ｲﾝｽﾄｰﾙ/ｱﾝｲﾝｽﾄｰﾙ"_qs, u"注意事項"_qs,       u"謝辞"_qs,       u"VerUp履歴"_qs,
    };
}

QStringList testedEnvironments()
{
    return {u"Windows95"_qs, u"Windows98"_qs,   u"WindowsMe"_qs,
            u"WindowsNT"_qs, u"Windows2000"_qs, u"WindowsXP"_qs};
}

QStringList requiredEnvironments()
{
    return {u"Windows9x系のみ"_qs, u"Windows95以降"_qs, u"Windows98以降"_qs,   u"WindowsMe"_qs,
            u"WindowsNT系のみ"_qs, u"WindowsNT以降"_qs, u"Windows2000以降"_qs, u"WindowsXPのみ"_qs};
}

QStringList softwareKinds()
{
    return {u"フリーウェア"_qs, u"シェアウェア"_qs, u"カンパウェア"_qs,
            u"メールウェア"_qs, u"リンクウェア"_qs, u"体験版"_qs};
}

QStringList redistributionTerms()
{
    return {u"事前に連絡"_qs, u"事後に連絡"_qs, u"自由"_qs, u"不可"_qs, u"要相談"_qs};
}

} // namespace ChoiceLists
