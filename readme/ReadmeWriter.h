// SPDX-License-Identifier: MIT
#pragma once

#include "core/OutputPath.h"
#include "readme/PreparedFile.h"
#include "readme/WriteResult.h"

#include <QString>

struct ReadmeSettings;

// Writes the ReadMe file: refuses an empty folder field and a path that
// cannot be what the user meant, checks that every character has a code in
// code page 932, then writes the composed text and one more CR LF, all or
// nothing. Shows nothing itself.
namespace ReadmeWriter {

// Composes, checks and encodes without writing anything.
[[nodiscard]] PreparedFile prepare(const ReadmeSettings &settings,
                                   PathStyle style = nativePathStyle());

} // namespace ReadmeWriter

[[nodiscard]] WriteResult WriteReadmeFile(const ReadmeSettings &settings,
                                          PathStyle style = nativePathStyle());
