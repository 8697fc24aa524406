// SPDX-License-Identifier: MIT
#include "readme/OutputPath.h"

#include "app/ReadmeSettings.h"

#include <QDir>

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
