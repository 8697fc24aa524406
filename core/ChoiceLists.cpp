// SPDX-License-Identifier: MIT
#include "core/ChoiceLists.h"

using namespace Qt::StringLiterals;

namespace ChoiceLists {

QStringList bracketStyles()
{
    return {u"【 】"_s, u"＜＞"_s, u"≪≫"_s, u"☆☆"_s};
}

QStringList lineStyles()
{
    return {
        u"------------------"_s, u"=================="_s,     u"******************"_s,
        u"－－－－－－－－－"_s, u"_/_/_/_/_/_/_/_/_/_/_/"_s,
    };
}

QStringList fileNames()
{
    return {u"ReadMe"_s, u"Read_Me"_s, u"はじめに"_s, u"はじめにお読みください"_s, u"読め！"_s};
}

QStringList availableHeadings()
{
    return {
        u"はじめに"_s,        u"フォルダの中身"_s, u"ソフト紹介"_s, u"ソフトの説明"_s,
        u"ｲﾝｽﾄｰﾙ/ｱﾝｲﾝｽﾄｰﾙ"_s, u"注意事項"_s,       u"謝辞"_s,       u"VerUp履歴"_s,
    };
}

QStringList testedEnvironments()
{
    return {u"Windows95"_s, u"Windows98"_s,   u"WindowsMe"_s,
            u"WindowsNT"_s, u"Windows2000"_s, u"WindowsXP"_s};
}

QStringList requiredEnvironments()
{
    return {u"Windows9x系のみ"_s, u"Windows95以降"_s, u"Windows98以降"_s,   u"WindowsMe"_s,
            u"WindowsNT系のみ"_s, u"WindowsNT以降"_s, u"Windows2000以降"_s, u"WindowsXPのみ"_s};
}

QStringList softwareKinds()
{
    return {u"フリーウェア"_s, u"シェアウェア"_s, u"カンパウェア"_s,
            u"メールウェア"_s, u"リンクウェア"_s, u"体験版"_s};
}

QStringList redistributionTerms()
{
    return {u"事前に連絡"_s, u"事後に連絡"_s, u"自由"_s, u"不可"_s, u"要相談"_s};
}

} // namespace ChoiceLists
