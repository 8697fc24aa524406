// SPDX-License-Identifier: MIT
#pragma once

#include "readme/PreparedFile.h"
#include "readme/WriteResult.h"

#include <QByteArrayView>
#include <QString>

class QIODevice;

// Writes whole files so that nothing is lost on failure: the new content goes
// to a temporary file beside the target, which replaces the old file only
// once every byte has been written and synced to disk; then the folder is
// synced, so that the new name is on the disk too. On any failure before the
// replacement the old file stays as it was and the temporary file is
// removed; when only the folder's sync fails, the new file stays and the
// message says so. Failures come back with a Japanese message that names the
// file and the cause, the system's own words in parentheses after it.
namespace SafeFile {

// True when every byte reached the device; a short write is retried, so a
// failure leaves its cause in the device's error.
[[nodiscard]] bool writeAll(QIODevice &device, QByteArrayView bytes);

[[nodiscard]] WriteResult writeAtomically(const QString &path, QByteArrayView bytes);

// Refuses a file with a problem, writes the others.
[[nodiscard]] WriteResult write(const PreparedFile &prepared);

// The path as the user's platform writes it.
[[nodiscard]] QString displayPath(const QString &path);

} // namespace SafeFile
