// SPDX-License-Identifier: MIT
#include "readme/ReadmeWriter.h"

#include "app/ReadmeSettings.h"
#include "app/SettingsFields.h"
#include "readme/Cp932Codec.h"
#include "readme/ReadmeComposer.h"
#include "readme/SafeFile.h"

namespace ReadmeWriter {

QString emptyFolderMessage()
{
    return u"パスを入力してください。"_qs;
}

QString unencodableMessage(const QString &captions, const QString &what,
                           const QList<char32_t> &characters)
{
    return u"%1に Shift-JIS（コードページ932）で表せない文字があるため、%2を保存できません。\n"
           u"文字：%3\nこれらの文字を別の文字に置き換えてください。"_qs.arg(
               captions, what, Cp932Codec::describe(characters));
}

PreparedFile prepare(const ReadmeSettings &settings, PathStyle style)
{
    PreparedFile prepared;
    if (settings.txtPath.isEmpty()) {
        prepared.problem = emptyFolderMessage();
        return prepared;
    }
    prepared.path = readmeFilePath(settings, style);
    prepared.problem = readmePathProblem(settings, style);
    if (!prepared.ok())
        return prepared;

    const QString text = ReadmeComposer::ComposeReadme(settings) + u"\r\n"_qs;
    Cp932Codec::Encoded encoded = Cp932Codec::encode(text);
    if (!encoded.ok()) {
        QList<SettingsFields::Field> fields = SettingsFields::storedFields(settings);
        fields.removeIf([](const SettingsFields::Field &field) { return !field.inReadme; });
        prepared.problem = unencodableMessage(
            SettingsFields::captionsHolding(fields, encoded.unencodable),
            u"ReadMe「%1」"_qs.arg(SafeFile::displayPath(prepared.path)), encoded.unencodable);
    }
    prepared.bytes = std::move(encoded.bytes);
    return prepared;
}

} // namespace ReadmeWriter

WriteResult WriteReadmeFile(const ReadmeSettings &settings, PathStyle style)
{
    return SafeFile::write(ReadmeWriter::prepare(settings, style));
}
