// SPDX-License-Identifier: MIT
#pragma once

#include "readme/OutputPath.h"
#include "readme/PreparedFile.h"
#include "readme/WriteResult.h"

#include <QList>
#include <QString>

struct ReadmeSettings;

// Writes the ReadMe file: refuses an empty folder field and a path that
// cannot be what the user meant, checks that every character has a code in
// code page 932, then writes the composed text and one more CR LF, all or
// nothing. Shows nothing itself.
namespace ReadmeWriter {

// The message for an empty folder field.
[[nodiscard]] QString emptyFolderMessage();

// The message for text that code page 932 cannot hold: the captions of the
// fields that hold it, what cannot be saved, and the characters.
[[nodiscard]] QString unencodableMessage(const QString &captions, const QString &what,
                                         const QList<char32_t> &characters);

// Composes, checks and encodes without writing anything.
[[nodiscard]] PreparedFile prepare(const ReadmeSettings &settings,
                                   PathStyle style = nativePathStyle());

} // namespace ReadmeWriter

[[nodiscard]] WriteResult WriteReadmeFile(const ReadmeSettings &settings,
                                          PathStyle style = nativePathStyle());
