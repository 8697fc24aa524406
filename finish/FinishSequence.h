// SPDX-License-Identifier: MIT
#pragma once

#include "core/OutputPath.h"

#include <QString>

struct ReadmeSettings;
class TemplateStore;

// The work behind Next on the last page, apart from the window: refuse an
// empty folder, check everything that is to be written, write the ReadMe,
// then the template when its box is ticked. Nothing is written unless every
// check passed, so a refusal leaves no file touched.
namespace FinishSequence {

enum class Outcome {
    Finished,       // the ReadMe (and the template, when asked) were written
    NothingWritten, // refused or failed before any file changed
    TemplateFailed, // the ReadMe was written, the template could not be
};

struct Result
{
    Outcome outcome = Outcome::Finished;
    QString message; // what to tell the user; empty when finished
};

[[nodiscard]] Result run(const ReadmeSettings &settings, const TemplateStore &store,
                         PathStyle style = nativePathStyle());

} // namespace FinishSequence
