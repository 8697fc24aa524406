// SPDX-License-Identifier: MIT
// Writes the ReadMe.txt of the Windows zip with NeatTessel's own code: its
// frame is what the program writes from the template NeatTessel.tmp, and
// under each chosen heading goes the text of one section file beside it
// (the *.txt files in name order, one per heading, kept in UTF-8 with LF and
// written in code page 932 with CR LF). The template's version must be the
// one being built. Usage: compose_readme <folder> <version> <output folder>
#include "io/Cp932Codec.h"
#include "io/SafeFile.h"
#include "readme/ReadmeComposer.h"
#include "readme/ReadmeWriter.h"
#include "templates/TemplateStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "compose_readme: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4)
        return fail(u"usage: compose_readme <folder> <version> <output folder>"_s);
    const QDir sources(arguments.at(1));
    TemplateFormat::ParseResult parsed = TemplateStore(sources.path()).load(u"NeatTessel"_s);
    if (!parsed.ok())
        return fail(parsed.error);
    ReadmeSettings settings = parsed.settings;
    if (settings.txtVer != arguments.at(2))
        return fail(u"the template's version %1 is not %2"_s.arg(settings.txtVer, arguments.at(2)));
    const QStringList sections = sources.entryList({u"*.txt"_s}, QDir::Files, QDir::Name);
    if (sections.size() != settings.List2Right.size())
        return fail(u"%1 section files for %2 headings"_s.arg(sections.size())
                        .arg(settings.List2Right.size()));

    settings.txtPath = arguments.at(3);
    PreparedFile readme = ReadmeWriter::prepare(settings);
    if (!readme.ok())
        return fail(readme.problem);
    QString text = Cp932Codec::decode(readme.bytes).text;
    const ReadmeComposer::Brackets brackets = ReadmeComposer::bracketsOf(settings.cmbKakko);
    qsizetype at = 0;
    for (qsizetype i = 0; i < sections.size(); ++i) {
        QFile file(sources.filePath(sections.at(i)));
        if (!file.open(QIODevice::ReadOnly))
            return fail(file.fileName() + u": "_s + file.errorString());
        const QString section = QString::fromUtf8(file.readAll()).replace(u'\n', u"\r\n"_s);
        const QString heading =
            ReadmeComposer::headingLine(brackets, settings.List2Right.at(i)) + u"\r\n"_s;
        const qsizetype found = text.indexOf(heading, at);
        if (found < 0)
            return fail(u"the heading %1 is not in the composed ReadMe"_s.arg(heading.trimmed()));
        at = found + heading.size();
        text.insert(at, section);
        at += section.size();
    }
    const Cp932Codec::Encoded encoded = Cp932Codec::encode(text);
    if (!encoded.ok())
        return fail(u"a section holds characters code page 932 has no code for"_s);
    readme.bytes = encoded.bytes;
    const WriteResult written = SafeFile::write(readme);
    return written.written() ? 0 : fail(written.message);
}
