// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QString>

struct ReadmeSettings;

// The rules that turn the folder and file-name answers into paths. They are
// pure functions over a path style, so the Windows rules can be checked on
// every platform; nothing here touches the file system.
enum class PathStyle { Windows, Posix };

[[nodiscard]] constexpr PathStyle nativePathStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

// "\" on Windows (U+005C only; a yen sign or a full-width backslash is no
// separator), "/" elsewhere.
[[nodiscard]] QChar folderSeparator(PathStyle style = nativePathStyle());

// The folder text with one separator appended unless it already ends in one;
// an empty text yields the separator alone. Nothing else is normalised.
[[nodiscard]] QString OutputFolderPath(const QString &txtPath, PathStyle style = nativePathStyle());

// OutputFolderPath + cmbFile + ".txt", the extension always appended.
[[nodiscard]] QString readmeFilePath(const ReadmeSettings &settings,
                                     PathStyle style = nativePathStyle());

// The folder field's value at start: "C:\" on Windows, the home folder
// followed by "/" elsewhere.
[[nodiscard]] QString initialFolder(PathStyle style = nativePathStyle());
