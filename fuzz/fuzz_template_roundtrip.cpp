// SPDX-License-Identifier: MIT
// Builds a record from the input and, whenever the template store would save
// it, checks that the saved bytes read back as the same record. Only the
// folder changes (it gains its trailing separator); the check boxes are not
// stored and keep their defaults.

#include "core/OutputPath.h"
#include "fuzz/FuzzCheck.h"
#include "io/Cp932Codec.h"
#include "templates/TemplateFormat.h"
#include "templates/TemplateStore.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

constexpr int MaxHeadings = 8;

// Either UTF-8 (reaching characters code page 932 lacks) or code page 932
// cut at the first invalid byte (reaching the records that can be saved).
QString takeText(FuzzedDataProvider &provider, bool utf8)
{
    const std::string bytes = provider.ConsumeRandomLengthString(64);
    if (utf8)
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    return Cp932Codec::decode(QByteArrayView(bytes.data(), qsizetype(bytes.size()))).text;
}

QStringList takeList(FuzzedDataProvider &provider, bool utf8)
{
    QStringList list;
    const int count = provider.ConsumeIntegralInRange(0, MaxHeadings);
    for (int i = 0; i < count; ++i)
        list.append(takeText(provider, utf8));
    return list;
}

ReadmeSettings takeSettings(FuzzedDataProvider &provider, bool utf8)
{
    ReadmeSettings s;
    const std::array fields{
        &ReadmeSettings::txtTitle, &ReadmeSettings::txtName,  &ReadmeSettings::txtVer,
        &ReadmeSettings::txtDiary, &ReadmeSettings::cmbDousa, &ReadmeSettings::cmbHissu,
        &ReadmeSettings::cmbSoft,  &ReadmeSettings::cmbTF,    &ReadmeSettings::txtURL,
        &ReadmeSettings::txtMail,  &ReadmeSettings::cmbKakko, &ReadmeSettings::cmbLine,
        &ReadmeSettings::cmbFile,  &ReadmeSettings::txtPath};
    for (QString ReadmeSettings::*field : fields)
        s.*field = takeText(provider, utf8);
    s.list2Left = takeList(provider, utf8);
    s.List2Right = takeList(provider, utf8);
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const PathStyle style = provider.ConsumeBool() ? PathStyle::Windows : PathStyle::Posix;
    const ReadmeSettings settings = takeSettings(provider, provider.ConsumeBool());

    const TemplateStore store(u"/nonexistent"_s, style);
    const PreparedFile prepared = store.prepare(settings);
    if (!prepared.ok())
        return 0;

    const TemplateFormat::ParseResult read = TemplateFormat::parseTemplate(prepared.bytes);
    ReadmeSettings expected = settings;
    expected.txtPath = outputFolderPath(settings.txtPath, style);
    requireProperty(read.ok() && read.settings == expected,
                    "a record the store accepts reads back the same");
    return 0;
}
