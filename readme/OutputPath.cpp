// SPDX-License-Identifier: MIT
#include "readme/OutputPath.h"

#include "app/ReadmeSettings.h"

#include <QDir>

#include <array>

namespace {

// The names Windows keeps for devices in every folder.
bool isDeviceName(QStringView stem)
{
    constexpr std::array<QStringView, 4> Plain = {u"CON", u"PRN", u"AUX", u"NUL"};
    for (const QStringView name : Plain) {
        if (stem.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return stem.size() == 4
           && (stem.first(3).compare(u"COM", Qt::CaseInsensitive) == 0
               || stem.first(3).compare(u"LPT", Qt::CaseInsensitive) == 0)
           && stem.at(3) >= u'1' && stem.at(3) <= u'9';
}

QString fieldProblem(QStringView caption, const QString &reason)
{
    return u"「%1」に使えない名前が入っているため、ReadMe を保存できません（%2）。"_qs.arg(caption, reason);
}

} // namespace

QChar folderSeparator(PathStyle style)
{
    return style == PathStyle::Windows ? u'\\' : u'/';
}

QString OutputFolderPath(const QString &txtPath, PathStyle style)
{
    const QChar separator = folderSeparator(style);
    return txtPath.endsWith(separator) ? txtPath : txtPath + separator;
}

QString readmeFilePath(const ReadmeSettings &settings, PathStyle style)
{
    return OutputFolderPath(settings.txtPath, style) + settings.cmbFile + u".txt"_qs;
}

QString initialFolder(PathStyle style)
{
    if (style == PathStyle::Windows)
        return u"C:\\"_qs;
    return OutputFolderPath(QDir::homePath(), style);
}

QString controlCharacter(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return u"制御文字 (U+%1)"_qs.arg(QString::number(c.unicode(), 16).toUpper(), 4, u'0');
    }
    return {};
}

QString windowsNameProblem(QStringView name)
{
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return u"「%1」は最後が%2で、Windows ではその文字が落とされます"_qs.arg(
            name, name.endsWith(u'.') ? u"「.」"_qs : u"空白"_qs);
    // The extension does not matter, nor do spaces before it: "nul .txt"
    // is the device too.
    QStringView stem = name.first(name.contains(u'.') ? name.indexOf(u'.') : name.size());
    while (stem.endsWith(u' '))
        stem.chop(1);
    if (isDeviceName(stem))
        return u"「%1」は Windows が装置に使う名前です"_qs.arg(name);
    return {};
}

QString readmePathProblem(const ReadmeSettings &settings, PathStyle style)
{
    const QString fileCaption = u"ファイル名"_qs;
    const QString folderCaption = u"保存先の指定"_qs;
    if (const QString c = controlCharacter(settings.cmbFile); !c.isEmpty())
        return fieldProblem(fileCaption, c + u" を含んでいます"_qs);
    if (const QString c = controlCharacter(settings.txtPath); !c.isEmpty())
        return fieldProblem(folderCaption, c + u" を含んでいます"_qs);
    if (style != PathStyle::Windows)
        return {};
    if (const QString p = windowsNameProblem(settings.cmbFile + u".txt"_qs); !p.isEmpty())
        return fieldProblem(fileCaption, p);
    // Windows takes "/" for a separator too. "." and ".." name folders;
    // a drive "C:" and the empty elements of "\\server" pass as they are.
    const QStringList elements = QString(settings.txtPath).replace(u'/', u'\\').split(u'\\');
    for (const QString &element : elements) {
        if (element == u"." || element == u"..")
            continue;
        if (const QString p = windowsNameProblem(element); !p.isEmpty())
            return fieldProblem(folderCaption, p);
    }
    return {};
}
