// SPDX-License-Identifier: MIT
#include "readme/ReadmeWriter.h"

#include "core/ReadmeSettings.h"
#include "core/SettingsFields.h"
#include "core/Texts.h"
#include "io/Cp932Codec.h"
#include "io/SafeFile.h"
#include "readme/ReadmeComposer.h"

using namespace Qt::StringLiterals;

namespace ReadmeWriter {

PreparedFile prepare(const ReadmeSettings &settings, PathStyle style)
{
    PreparedFile prepared;
    if (settings.txtPath.isEmpty()) {
        prepared.problem = Texts::emptyFolder();
        return prepared;
    }
    prepared.path = readmeFilePath(settings, style);
    prepared.problem = readmePathProblem(settings, style);
    if (!prepared.ok())
        return prepared;

    const QString text = ReadmeComposer::compose(settings) + u"\r\n"_s;
    Cp932Codec::Encoded encoded = Cp932Codec::encode(text);
    if (!encoded.ok()) {
        prepared.problem =
            Texts::unencodable(SettingsFields::captionsHolding(
                                   settings, SettingsFields::Carrier::Readme, encoded.unencodable),
                               Texts::readme(SafeFile::displayPath(prepared.path)),
                               Texts::characters(encoded.unencodable));
    }
    prepared.bytes = std::move(encoded.bytes);
    return prepared;
}

} // namespace ReadmeWriter
