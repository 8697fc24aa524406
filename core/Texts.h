// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// What the user reads, written once: the captions of the fields and every
// message the core hands to a window. The pages show these captions, and the
// messages that name a field take the same caption, so renaming a label
// renames it in every message. Only wording lives here; which message is due
// and when is decided where the check is made.
namespace Texts {

// The program's name as the user reads it.
inline constexpr QStringView ProgramName = u"NeatTessel";

// The captions above the fields, named after the field they stand for.
namespace Caption {
inline constexpr QStringView txtTitle = u"ソフトウェアのタイトル";
inline constexpr QStringView txtName = u"作成者";
inline constexpr QStringView txtVer = u"バージョン";
inline constexpr QStringView txtDiary = u"作成日時";
inline constexpr QStringView cmbDousa = u"動作確認環境";
inline constexpr QStringView cmbHissu = u"必須環境";
inline constexpr QStringView cmbSoft = u"ソフトの種類";
inline constexpr QStringView cmbTF = u"転載の可否";
inline constexpr QStringView txtURL = u"サイトアドレス";
inline constexpr QStringView txtMail = u"Mailアドレス";
inline constexpr QStringView list2 = u"項目の追加"; // over both lists of page 3
inline constexpr QStringView cmbKakko = u"カッコの種類";
inline constexpr QStringView cmbLine = u"線の種類";
inline constexpr QStringView cmbFile = u"ファイル名";
inline constexpr QStringView txtPath = u"保存先の指定";
inline constexpr QStringView chkTemp = u"現在の設定をテンプレートとして保存";
inline constexpr QStringView chkEdit = u"作成後、テキストエディタで開く";

// The two lists have no caption of their own: 「項目の追加（左の一覧）」.
[[nodiscard]] QString leftList();
[[nodiscard]] QString rightList();
} // namespace Caption

// The prompt of the input box that adds a heading.
[[nodiscard]] QString newHeadingPrompt();

// Refusals before the ReadMe is written.
[[nodiscard]] QString emptyFolder();
// 「ファイル名」に使えない名前が入っているため、… (`reason`)
[[nodiscard]] QString unusableName(QStringView caption, const QString &reason);
// "U+00A5": a character's code point as messages write it.
[[nodiscard]] QString codePoint(char32_t code);
// "「😀」(U+1F600)、「€」(U+20AC)": characters for a message, at most
// `limit` of them, then "…".
[[nodiscard]] QString characters(const QList<char32_t> &codes, int limit = 10);
// "制御文字 (U+0009)"
[[nodiscard]] QString controlCharacter(char16_t code);
// "<what> を含んでいます", what a name holds that it must not.
[[nodiscard]] QString holds(const QString &what);
// "「:」を含んでいます"
[[nodiscard]] QString holdsCharacter(QChar character);
// A name whose last character Windows drops: a dot or else a space.
[[nodiscard]] QString dropsLastCharacter(QStringView name, bool dot);
[[nodiscard]] QString deviceName(QStringView name);
// Characters code page 932 cannot hold: the captions of the fields that
// hold them, what cannot be saved ("ReadMe「…」", "テンプレート") and the
// characters as characters() lists them.
[[nodiscard]] QString unencodable(const QString &captions, const QString &what,
                                  const QString &characters);
[[nodiscard]] QString readme(const QString &path); // "ReadMe「<path>」"

// Failures of a write; `cause` is one of the causes below.
[[nodiscard]] QString notSaved(const QString &path, const QString &cause);
[[nodiscard]] QString systemReason(const QString &reason); // "（…）"
[[nodiscard]] QString folderOfSameName();
[[nodiscard]] QString folderMissing(const QString &folder);
[[nodiscard]] QString nameTooLong();
[[nodiscard]] QString readOnlyDrive();
[[nodiscard]] QString notPermitted();
[[nodiscard]] QString diskFull();
[[nodiscard]] QString notWritten();
// The file has its new content, but its folder did not reach the disk.
[[nodiscard]] QString replacedNotSynced(const QString &path, const QString &reason);
// The ReadMe was written, the template not.
[[nodiscard]] QString readmeSavedTemplateNot(const QString &readmePath, const QString &message);

// Saving a template; each refusal ends in a hint that unticking the
// template box saves the ReadMe alone.
[[nodiscard]] QString untickHint();
[[nodiscard]] QString titleUnusable(const QString &title, const QString &reason);
[[nodiscard]] QString tooLongForFileName();
[[nodiscard]] QString lineBreaks(const QString &captions);
[[nodiscard]] QString templateTooLarge(qint64 limitBytes);
[[nodiscard]] QString templateUnencodable(const QString &captions, const QString &characters);
[[nodiscard]] QString templateNotSaved(const QString &message);

// Reading a template: `cause` is one of the causes below or a parse error.
[[nodiscard]] QString templateNotLoaded(const QString &path, const QString &cause);
[[nodiscard]] QString fileMissing();
[[nodiscard]] QString notRegularFile();
[[nodiscard]] QString cannotOpen(const QString &reason);
[[nodiscard]] QString cannotRead(const QString &reason);
[[nodiscard]] QString tooLargeToRead(qint64 limitBytes);
[[nodiscard]] QString onlyCr();
[[nodiscard]] QString endsEarly(qsizetype lines, qsizetype needed, QStringView separator);
[[nodiscard]] QString noSeparator(QStringView separator);
[[nodiscard]] QString undecodable(qint64 byteNumber);

} // namespace Texts
