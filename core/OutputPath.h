// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

struct ReadmeSettings;

// The rules that turn the folder and file-name answers into paths, and the
// names that cannot stand in a path. They are pure functions over a path
// style, so the Windows rules can be checked on every platform; nothing here
// touches the file system.
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
[[nodiscard]] QString outputFolderPath(const QString &txtPath, PathStyle style = nativePathStyle());

// outputFolderPath + cmbFile + ".txt", the extension always appended.
[[nodiscard]] QString readmeFilePath(const ReadmeSettings &settings,
                                     PathStyle style = nativePathStyle());

// The folder field's value at start: "C:\" on Windows, the home folder
// followed by "/" elsewhere.
[[nodiscard]] QString initialFolder(PathStyle style = nativePathStyle());

// Whether `name` is too long to be one element of a path: the file systems
// take 255 UTF-16 units on Windows and 255 bytes elsewhere.
[[nodiscard]] bool isNameTooLong(QStringView name, PathStyle style = nativePathStyle());

// "制御文字 (U+0009)" for the first control character (U+0000 to U+001F or
// U+007F) of `text`; empty when it holds none.
[[nodiscard]] QString controlCharacter(QStringView text);

// Why Windows would refuse or quietly change `name` as one element of a
// path: a device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9) with
// or without an extension, or a name that ends in a dot or a space, which
// Windows drops. Empty when the name is fine.
[[nodiscard]] QString windowsNameProblem(QStringView name);

// Why the ReadMe cannot be written where the folder and file-name fields
// point, naming the field by its caption: a control character in either, or
// on Windows a name that Windows reserves or changes. Empty when the path is
// fine; whether the folder exists is left to the write.
[[nodiscard]] QString readmePathProblem(const ReadmeSettings &settings,
                                        PathStyle style = nativePathStyle());
