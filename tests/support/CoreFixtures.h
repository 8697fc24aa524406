// SPDX-License-Identifier: MIT
#pragma once

#include "core/OutputPath.h"
#include "core/ReadmeSettings.h"
#include "io/WriteResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class TemplateStore;

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

// The ReadMe and the template written as Next on the last page writes them:
// prepared, then written, each refused before anything is touched.
[[nodiscard]] WriteResult writeReadme(const ReadmeSettings &settings,
                                      PathStyle style = nativePathStyle());
[[nodiscard]] WriteResult saveTemplate(const TemplateStore &store, const ReadmeSettings &settings);

} // namespace CoreFixtures
