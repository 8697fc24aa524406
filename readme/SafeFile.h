// SPDX-License-Identifier: MIT
#pragma once

#include "readme/WriteResult.h"

#include <QByteArrayView>
#include <QString>

class QFileDevice;
class QIODevice;

// Writes whole files so that nothing is lost on failure: the new content goes
// to a temporary file beside the target, which replaces the old file only
// once every byte is on disk. Failures come back with a Japanese message that
// names the file and the cause.
namespace SafeFile {

// True when every byte reached the device.
[[nodiscard]] bool writeAll(QIODevice &device, QByteArrayView bytes);

[[nodiscard]] WriteResult writeAtomically(const QString &path, QByteArrayView bytes);

// Why `file` could not be opened or written, in words a user understands,
// followed by the system's own reason.
[[nodiscard]] QString failureReason(const QFileDevice &file, const QString &path);

// The path as the user's platform writes it.
[[nodiscard]] QString displayPath(const QString &path);

} // namespace SafeFile
