// SPDX-License-Identifier: MIT
#pragma once

#include "io/PreparedFile.h"
#include "io/WriteResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

// Reads whole files with care, and writes them so that nothing is lost on
// failure. A read takes only a regular file, never waits on a pipe or a
// device, and never takes more than a limit. A write goes to a temporary
// file beside the target, which replaces the old file only once every byte
// has been written and synced to disk; then the folder is synced, so that
// the new name is on the disk too. On any failure before the
// replacement the old file stays as it was and the temporary file is
// removed; when only the folder's sync fails, the new file stays and the
// message says so. Failures come back with a Japanese message that names the
// file and the cause, the system's own words in parentheses after it.
namespace SafeFile {

// Reads the whole of the regular file `path` into `bytes`; why it cannot be
// read (missing, no regular file, over `maxBytes`, unreadable), in
// Japanese, or empty.
[[nodiscard]] QString readWhole(const QString &path, qint64 maxBytes, QByteArray &bytes);

// True when every byte reached the device; a short write is retried, so a
// failure leaves its cause in the device's error.
[[nodiscard]] bool writeAll(QIODevice &device, QByteArrayView bytes);

[[nodiscard]] WriteResult writeAtomically(const QString &path, QByteArrayView bytes);

// Refuses a file with a problem, writes the others.
[[nodiscard]] WriteResult write(const PreparedFile &prepared);

// The path as the user's platform writes it.
[[nodiscard]] QString displayPath(const QString &path);

} // namespace SafeFile
