// SPDX-License-Identifier: MIT
#include "core/OutputPath.h"

#include "core/ReadmeSettings.h"
#include "core/Texts.h"

#include <QDir>
#include <QFile>

#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype MaxNameLength = 255;

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

} // namespace

QChar folderSeparator(PathStyle style)
{
    return style == PathStyle::Windows ? u'\\' : u'/';
}

QString outputFolderPath(const QString &txtPath, PathStyle style)
{
    const QChar separator = folderSeparator(style);
    return txtPath.endsWith(separator) ? txtPath : txtPath + separator;
}

QString readmeFilePath(const ReadmeSettings &settings, PathStyle style)
{
    return outputFolderPath(settings.txtPath, style) + settings.cmbFile + u".txt"_s;
}

QString initialFolder(PathStyle style)
{
    if (style == PathStyle::Windows)
        return u"C:\\"_s;
    return outputFolderPath(QDir::homePath(), style);
}

bool isNameTooLong(QStringView name, PathStyle style)
{
    const qsizetype length =
        style == PathStyle::Windows ? name.size() : QFile::encodeName(name.toString()).size();
    return length > MaxNameLength;
}

QString controlCharacter(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return Texts::controlCharacter(c.unicode());
    }
    return {};
}

QString windowsNameProblem(QStringView name)
{
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return Texts::dropsLastCharacter(name, name.endsWith(u'.'));
    // The extension does not matter, nor do spaces before it: "nul .txt"
    // is the device too.
    QStringView stem = name.first(name.contains(u'.') ? name.indexOf(u'.') : name.size());
    while (stem.endsWith(u' '))
        stem.chop(1);
    if (isDeviceName(stem))
        return Texts::deviceName(name);
    return {};
}

QString readmePathProblem(const ReadmeSettings &settings, PathStyle style)
{
    using Texts::unusableName;
    namespace Caption = Texts::Caption;
    if (const QString c = controlCharacter(settings.cmbFile); !c.isEmpty())
        return unusableName(Caption::cmbFile, Texts::holds(c));
    if (const QString c = controlCharacter(settings.txtPath); !c.isEmpty())
        return unusableName(Caption::txtPath, Texts::holds(c));
    if (style != PathStyle::Windows)
        return {};
    if (const QString p = windowsNameProblem(settings.cmbFile + u".txt"_s); !p.isEmpty())
        return unusableName(Caption::cmbFile, p);
    // Windows takes "/" for a separator too. "." and ".." name folders;
    // a drive "C:" and the empty elements of "\\server" pass as they are.
    const QStringList elements = QString(settings.txtPath).replace(u'/', u'\\').split(u'\\');
    for (const QString &element : elements) {
        if (element == u"." || element == u"..")
            continue;
        if (const QString p = windowsNameProblem(element); !p.isEmpty())
            return unusableName(Caption::txtPath, p);
    }
    return {};
}
