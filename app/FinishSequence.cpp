// SPDX-License-Identifier: MIT
#include "app/FinishSequence.h"

#include "app/ReadmeSettings.h"
#include "readme/ReadmeWriter.h"
#include "readme/SafeFile.h"
#include "templates/TemplateStore.h"

namespace FinishSequence {

Result FinishWizard(const ReadmeSettings &settings, const TemplateStore &store, PathStyle style)
{
    if (settings.txtPath.isEmpty())
        return {Outcome::NothingWritten, ReadmeWriter::emptyFolderMessage()};

    // The ReadMe is checked inside its writer; the template is checked here,
    // before the ReadMe is written, so that one bad title writes nothing.
    const bool saveTemplate = settings.chkTemp == CheckValue::Ticked;
    const TemplateStore::Prepared stored =
        saveTemplate ? store.prepare(settings) : TemplateStore::Prepared();
    if (!stored.problem.isEmpty())
        return {Outcome::NothingWritten, stored.problem};
    const WriteResult readme = WriteReadmeFile(settings, style);
    if (!readme.written())
        return {Outcome::NothingWritten, readme.message};
    if (saveTemplate) {
        const WriteResult saved = store.save(stored);
        if (!saved.written())
            return {Outcome::TemplateFailed,
                    u"ReadMe「%1」は保存しました。\n%2"_qs.arg(SafeFile::displayPath(readme.path),
                                                             saved.message)};
    }
    return {};
}

} // namespace FinishSequence
