// SPDX-License-Identifier: MIT
#include "CoreFixtures.h"

#include "io/SafeFile.h"
#include "readme/ReadmeWriter.h"
#include "templates/TemplateStore.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace CoreFixtures {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("(no such file)");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

ReadmeSettings sampleToolAnswers(const QString &folder)
{
    ReadmeSettings s = ReadmeSettings::atStartup();
    s.txtTitle = u"SampleTool"_s;
    s.txtName = u"Sample Author"_s;
    s.txtVer = u"1.00"_s;
    s.txtDiary = u"2003/01/15"_s;
    s.cmbDousa = u"WindowsXP"_s;
    s.cmbHissu = u"Windows98以降"_s;
    s.cmbSoft = u"フリーウェア"_s;
    s.cmbTF = u"事後に連絡"_s;
    s.List2Right = {u"はじめに"_s, u"注意事項"_s};
    s.txtPath = folder;
    return s;
}

WriteResult writeReadme(const ReadmeSettings &settings, PathStyle style)
{
    return SafeFile::write(ReadmeWriter::prepare(settings, style));
}

WriteResult saveTemplate(const TemplateStore &store, const ReadmeSettings &settings)
{
    return store.save(store.prepare(settings));
}

} // namespace CoreFixtures
