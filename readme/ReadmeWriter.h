// SPDX-License-Identifier: MIT
#pragma once

#include "core/OutputPath.h"
#include "io/PreparedFile.h"

#include <QString>

struct ReadmeSettings;

// Makes the ReadMe file ready to be written: refuses an empty folder field
// and a path that cannot be what the user meant, checks that every character
// has a code in code page 932, and encodes the composed text and one more
// CR LF. SafeFile::write then writes it, all or nothing. Shows nothing
// itself.
namespace ReadmeWriter {

// Composes, checks and encodes without writing anything.
[[nodiscard]] PreparedFile prepare(const ReadmeSettings &settings,
                                   PathStyle style = nativePathStyle());

} // namespace ReadmeWriter
