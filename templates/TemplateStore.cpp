// SPDX-License-Identifier: MIT
#include "templates/TemplateStore.h"

#include "core/SettingsFields.h"
#include "core/Texts.h"
#include "io/Cp932Codec.h"
#include "io/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1String Extension(".tmp");
constexpr QStringView StoreName = u"tmp";

// An existing folder "tmp" in `parent`, in any letter case, the exact
// spelling first; empty when there is none.
QString existingStore(const QDir &parent)
{
    const QStringList names =
        parent.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    if (names.contains(StoreName))
        return parent.filePath(StoreName.toString());
    for (const QString &name : names) {
        if (name.compare(StoreName, Qt::CaseInsensitive) == 0)
            return parent.filePath(name);
    }
    return {};
}

// Whether a file can be made and removed in the folder at `path`, found by
// doing it: on Windows, QFileInfo::isWritable() looks only at the read-only
// attribute, not at who may write the folder. The probe's name does not end
// in ".tmp", so it is never taken for a template, and carries the process
// number, so that two programs starting at once do not meet.
bool isUsableFolder(const QString &path)
{
    if (!QFileInfo(path).isDir())
        return false;
    QFile probe(
        QDir(path).filePath(u".neattessel-probe-%1"_s.arg(QCoreApplication::applicationPid())));
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    probe.close();
    return probe.remove();
}

// The order of names in a Windows folder listing: code unit by code unit,
// each folded to upper case; names equal that way keep ordinal order.
bool windowsNameOrder(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t ua = QChar::toUpper(a.at(i).unicode());
        const char32_t ub = QChar::toUpper(b.at(i).unicode());
        if (ua != ub)
            return ua < ub;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

// Why `title` cannot name one file in the store; empty when it can. The
// empty title is valid: it is the file ".tmp".
QString titleProblem(const QString &title, PathStyle style)
{
    QString forbidden = u"/\\"_s;
    if (style == PathStyle::Windows)
        forbidden += u":*?\"<>|"_s;
    const QString fileName = title + Extension;
    const auto badCharacter =
        std::find_if(title.cbegin(), title.cend(), [&](QChar c) { return forbidden.contains(c); });
    QString reason = controlCharacter(title);
    if (!reason.isEmpty())
        reason = Texts::holds(reason);
    else if (badCharacter != title.cend())
        reason = Texts::holdsCharacter(*badCharacter);
    else if (style == PathStyle::Windows)
        reason = windowsNameProblem(fileName);
    if (reason.isEmpty() && isNameTooLong(fileName, style))
        reason = Texts::tooLongForFileName();
    if (reason.isEmpty())
        return {};
    return Texts::titleUnusable(title, reason);
}

} // namespace

TemplateStore::TemplateStore(const QString &folder, PathStyle style)
    : m_folder(folder),
      m_style(style)
{
}

TemplateStore TemplateStore::locate(const QString &programFolder)
{
    const QDir parent(programFolder);
    QString folder = existingStore(parent);
    if (folder.isEmpty() && parent.mkdir(StoreName.toString()))
        folder = parent.filePath(StoreName.toString());
    return isUsableFolder(folder) ? TemplateStore(folder) : inUserData();
}

TemplateStore TemplateStore::inUserData()
{
    const QDir data(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    data.mkpath(StoreName.toString());
    return TemplateStore(data.filePath(StoreName.toString()));
}

QString TemplateStore::filePath(const QString &name) const
{
    return m_folder + u'/' + name + Extension;
}

QStringList TemplateStore::templateNames() const
{
    QDir::Filters filters = QDir::Files;
    if (m_style == PathStyle::Posix)
        filters |= QDir::Hidden | QDir::CaseSensitive; // ".net.tmp" is a title, not a hidden file
    QStringList names;
    const QStringList files = QDir(m_folder).entryList({u"*.tmp"_s}, filters, QDir::Unsorted);
    const QDir folder(m_folder);
    for (const QString &file : files) {
        // A link counts by what it points to: only a regular file is a
        // template, never a device, a pipe or a folder.
        if (file.endsWith(Extension,
                          m_style == PathStyle::Posix ? Qt::CaseSensitive : Qt::CaseInsensitive)
            && QFileInfo(folder.filePath(file)).isFile())
            names.append(file.chopped(Extension.size()));
    }
    std::sort(names.begin(), names.end(), windowsNameOrder);
    return names;
}

PreparedFile TemplateStore::prepare(const ReadmeSettings &settings) const
{
    PreparedFile prepared;
    prepared.path = filePath(settings.txtTitle);
    prepared.problem = titleProblem(settings.txtTitle, m_style);
    if (!prepared.ok())
        return prepared;
    if (const QString captions = SettingsFields::captionsWithLineBreaks(settings);
        !captions.isEmpty()) {
        prepared.problem = Texts::lineBreaks(captions);
        return prepared;
    }
    Cp932Codec::Encoded encoded =
        Cp932Codec::encode(TemplateFormat::templateText(settings, m_style));
    if (!encoded.ok())
        prepared.problem = Texts::templateUnencodable(
            SettingsFields::captionsHolding(settings, SettingsFields::Carrier::Template,
                                            encoded.unencodable),
            Texts::characters(encoded.unencodable));
    else if (encoded.bytes.size() > TemplateFormat::MaxBytes)
        prepared.problem = Texts::templateTooLarge(TemplateFormat::MaxBytes);
    prepared.bytes = std::move(encoded.bytes);
    return prepared;
}

WriteResult TemplateStore::save(const PreparedFile &prepared) const
{
    WriteResult result = SafeFile::write(prepared);
    if (result.status == WriteResult::Status::Failed)
        result.message = Texts::templateNotSaved(result.message);
    return result;
}

TemplateFormat::ParseResult TemplateStore::load(const QString &name) const
{
    const QString path = filePath(name);
    QByteArray bytes;
    TemplateFormat::ParseResult result;
    result.error = SafeFile::readWhole(path, TemplateFormat::MaxBytes, bytes);
    if (result.ok())
        result = TemplateFormat::parseTemplate(bytes);
    if (!result.ok())
        result.error = Texts::templateNotLoaded(SafeFile::displayPath(path), result.error);
    return result;
}
