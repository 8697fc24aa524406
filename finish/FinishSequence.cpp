// SPDX-License-Identifier: MIT
#include "finish/FinishSequence.h"

#include "core/ReadmeSettings.h"
#include "core/Texts.h"
#include "io/SafeFile.h"
#include "readme/ReadmeWriter.h"
#include "templates/TemplateStore.h"

namespace FinishSequence {

Result run(const ReadmeSettings &settings, const TemplateStore &store, PathStyle style)
{
    // The ReadMe is checked before the template, so that a problem of the
    // template alone can be told as one: unticking its box writes the ReadMe.
    const PreparedFile readme = ReadmeWriter::prepare(settings, style);
    if (!readme.ok())
        return {Outcome::NothingWritten, readme.problem};
    const bool saveTemplate = settings.chkTemp == CheckValue::Ticked;
    const PreparedFile stored = saveTemplate ? store.prepare(settings) : PreparedFile();
    if (!stored.ok())
        return {Outcome::NothingWritten, stored.problem};

    const WriteResult written = SafeFile::write(readme);
    if (!written.written())
        return {Outcome::NothingWritten, written.message};
    if (saveTemplate) {
        const WriteResult saved = store.save(stored);
        if (!saved.written())
            return {
                Outcome::TemplateFailed,
                Texts::readmeSavedTemplateNot(SafeFile::displayPath(written.path), saved.message)};
    }
    return {};
}

} // namespace FinishSequence
