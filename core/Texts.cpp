// SPDX-License-Identifier: MIT
#include "core/Texts.h"

using namespace Qt::StringLiterals;

namespace Texts {

namespace {

// "64 MiB を超えています"
QString beyond(qint64 limitBytes)
{
    return u"%1 MiB を超えています"_s.arg(limitBytes / (1024 * 1024));
}

} // namespace

QString Caption::leftList()
{
    return list2.toString() + u"（左の一覧）"_s;
}

QString Caption::rightList()
{
    return list2.toString() + u"（右の一覧）"_s;
}

QString newHeadingPrompt()
{
    return u"追加したい項目名を入力してください。"_s;
}

QString emptyFolder()
{
    return u"パスを入力してください。"_s;
}

QString unusableName(QStringView caption, const QString &reason)
{
    return u"「%1」に使えない名前が入っているため、ReadMe を保存できません（%2）。"_s.arg(caption,
                                                                                          reason);
}

QString codePoint(char32_t code)
{
    return u"U+"_s + QString::number(code, 16).toUpper().rightJustified(4, u'0');
}

QString characters(const QList<char32_t> &codes, int limit)
{
    QStringList entries;
    for (char32_t code : codes) {
        if (entries.size() == limit) {
            entries.append(u"…"_s);
            break;
        }
        // A control or format character would be invisible or break the line.
        const QString number = u'(' + codePoint(code) + u')';
        entries.append(QChar::isPrint(code) ? u'「' + QString::fromUcs4(&code, 1) + u'」' + number
                                            : number);
    }
    return entries.join(u'、');
}

QString controlCharacter(char16_t code)
{
    return u"制御文字 (%1)"_s.arg(codePoint(code));
}

QString holds(const QString &what)
{
    return what + u" を含んでいます"_s;
}

QString holdsCharacter(QChar character)
{
    return u"「%1」を含んでいます"_s.arg(character);
}

QString dropsLastCharacter(QStringView name, bool dot)
{
    return u"「%1」は最後が%2で、Windows ではその文字が落とされます"_s.arg(name, dot ? u"「.」"_s
                                                                                     : u"空白"_s);
}

QString deviceName(QStringView name)
{
    return u"「%1」は Windows が装置に使う名前です"_s.arg(name);
}

QString unencodable(const QString &captions, const QString &what, const QString &characters)
{
    return u"%1に Shift-JIS（コードページ932）で表せない文字があるため、%2を保存できません。\n"
           u"文字：%3\nこれらの文字を別の文字に置き換えてください。"_s.arg(captions, what,
                                                                           characters);
}

QString readme(const QString &path)
{
    return u"ReadMe「%1」"_s.arg(path);
}

QString notSaved(const QString &path, const QString &cause)
{
    return u"「%1」を保存できませんでした。\n%2"_s.arg(path, cause);
}

QString systemReason(const QString &reason)
{
    return u"（%1）"_s.arg(reason);
}

QString folderOfSameName()
{
    return u"同じ名前のフォルダがあります。"_s;
}

QString folderMissing(const QString &folder)
{
    return u"保存先のフォルダ「%1」が見つかりません。"_s.arg(folder);
}

QString nameTooLong()
{
    return u"ファイル名が長すぎます。"_s;
}

QString readOnlyDrive()
{
    return u"保存先のドライブは読み取り専用です。"_s;
}

QString notPermitted()
{
    return u"書き込みが許可されていません。"_s;
}

QString diskFull()
{
    return u"ディスクの空きが足りません。"_s;
}

QString notWritten()
{
    return u"ファイルを書き込めませんでした。"_s;
}

QString replacedNotSynced(const QString &path, const QString &reason)
{
    return u"「%1」は新しい内容に置き換わりましたが、"
           u"ディスクへの書き込みを確かめられませんでした。\n"
           u"このまま電源が切れると、古い内容に戻るか、ファイルがなくなるおそれがあります。"
           u"もう一度保存してください。（%2）"_s.arg(path, reason);
}

QString readmeSavedTemplateNot(const QString &readmePath, const QString &message)
{
    return u"ReadMe「%1」は保存しました。\n%2"_s.arg(readmePath, message);
}

QString untickHint()
{
    return u"「%1」のチェックを外せば、ReadMe だけを保存できます。"_s.arg(Caption::chkTemp);
}

QString titleUnusable(const QString &title, const QString &reason)
{
    return u"タイトル「%1」はテンプレートのファイル名に使えません（%2）。\n"_s.arg(title, reason)
           + untickHint();
}

QString tooLongForFileName()
{
    return u"ファイル名として長すぎます"_s;
}

QString lineBreaks(const QString &captions)
{
    return u"%1に改行が含まれているため、テンプレートを保存できません。\n"_s.arg(captions)
           + untickHint();
}

QString templateTooLarge(qint64 limitBytes)
{
    return u"テンプレートが大きすぎるため、保存できません（%1）。\n"_s.arg(beyond(limitBytes))
           + untickHint();
}

QString templateUnencodable(const QString &captions, const QString &characters)
{
    return unencodable(captions, u"テンプレート"_s, characters) + u'\n' + untickHint();
}

QString templateNotSaved(const QString &message)
{
    return u"テンプレートを保存できませんでした。\n"_s + message;
}

QString templateNotLoaded(const QString &path, const QString &cause)
{
    return u"テンプレート「%1」を読み込めませんでした。\n%2"_s.arg(path, cause);
}

QString fileMissing()
{
    return u"ファイルが見つかりません。削除されたか、名前が変えられた可能性があります。"_s;
}

QString notRegularFile()
{
    return u"通常のファイルではありません（フォルダ、装置、パイプなど）。"_s;
}

QString cannotOpen(const QString &reason)
{
    return u"ファイルを開けませんでした（%1）。"_s.arg(reason);
}

QString cannotRead(const QString &reason)
{
    return u"ファイルを読めませんでした（%1）。"_s.arg(reason);
}

QString tooLargeToRead(qint64 limitBytes)
{
    return u"テンプレートとしては大きすぎます（%1）。"_s.arg(beyond(limitBytes));
}

QString onlyCr()
{
    return u"行の終わりが CR だけで、CR LF になっていません。"
           u"テンプレートの各行は CR LF で終わる必要があります。"_s;
}

QString endsEarly(qsizetype lines, qsizetype needed, QStringView separator)
{
    return u"ファイルが途中で終わっています（%1 行しかありません。少なくとも %2 行と区切りの行 %3 が必要です）。"_s
        .arg(QString::number(lines), QString::number(needed), separator.toString());
}

QString noSeparator(QStringView separator)
{
    return u"見出しの一覧を区切る行 %1 がありません。"_s.arg(separator.toString());
}

QString undecodable(qint64 byteNumber)
{
    return u"Shift-JIS（コードページ932）として読めないバイトがあります（%1 バイト目）。"_s.arg(
        byteNumber);
}

} // namespace Texts
