// SPDX-License-Identifier: MIT
#include "readme/ReadmeWriter.h"

#include "app/ReadmeSettings.h"
#include "readme/Cp932Codec.h"
#include "readme/ReadmeComposer.h"
#include "readme/SafeFile.h"

namespace ReadmeWriter {

QString emptyFolderMessage()
{
    return u"パスを入力してください。"_qs;
}

QString unencodableMessage(const QString &what, const QList<char32_t> &characters)
{
    return u"%1に Shift-JIS（コードページ932）で表せない文字があるため、保存できません。\n"
           u"文字：%2\nこれらの文字を別の文字に置き換えてください。"_qs.arg(
               what, Cp932Codec::describe(characters));
}

} // namespace ReadmeWriter

WriteResult WriteReadmeFile(const ReadmeSettings &settings, PathStyle style)
{
    if (settings.txtPath.isEmpty())
        return WriteResult::refusal(ReadmeWriter::emptyFolderMessage());

    const QString path = readmeFilePath(settings, style);
    const QString text = ReadmeComposer::ComposeReadme(settings) + u"\r\n"_qs;
    const Cp932Codec::Encoded encoded = Cp932Codec::encode(text);
    if (!encoded.ok()) {
        const QString what = u"ReadMe「%1」"_qs.arg(SafeFile::displayPath(path));
        return WriteResult::failure(path, ReadmeWriter::unencodableMessage(what, encoded.unencodable));
    }
    return SafeFile::writeAtomically(path, encoded.bytes);
}
