// SPDX-License-Identifier: MIT
// Reads arbitrary bytes as a template. Whatever reads as one must survive
// being written and read again: the same record, except that the folder
// line gains its trailing separator.

#include "core/OutputPath.h"
#include "fuzz/FuzzCheck.h"
#include "io/Cp932Codec.h"
#include "templates/TemplateFormat.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const TemplateFormat::ParseResult first =
        TemplateFormat::parseTemplate(QByteArrayView(data, qsizetype(size)));
    if (!first.ok())
        return 0;

    const QString text = TemplateFormat::templateText(first.settings, PathStyle::Posix);
    const Cp932Codec::Encoded encoded = Cp932Codec::encode(text);
    requireProperty(encoded.ok(), "a template that was read can be encoded again");

    const TemplateFormat::ParseResult second = TemplateFormat::parseTemplate(encoded.bytes);
    ReadmeSettings expected = first.settings;
    expected.txtPath = outputFolderPath(expected.txtPath, PathStyle::Posix);
    requireProperty(second.ok() && second.settings == expected,
                    "a template that was read reads back the same after writing");
    return 0;
}
