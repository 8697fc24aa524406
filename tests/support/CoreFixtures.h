// SPDX-License-Identifier: MIT
#pragma once

#include "core/ReadmeSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files and answers for the tests of the core and of the windows alike.
namespace CoreFixtures {

// The whole file; a marker that no file holds when it cannot be read, so
// that a missing file never compares equal to an empty one.
[[nodiscard]] QByteArray readFile(const QString &path);
[[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes);

// The folder's entries, hidden ones included, in QDir's order.
[[nodiscard]] QStringList entriesOf(const QString &folder);

// The answers of a small tool, "SampleTool" by "Sample Author", with two
// headings chosen and the ReadMe going to `folder`.
[[nodiscard]] ReadmeSettings sampleToolAnswers(const QString &folder = QString());

} // namespace CoreFixtures
