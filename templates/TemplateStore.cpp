#include "templates/TemplateStore.h"

#include "readme/Cp932Codec.h"
#include "readme/ReadmeWriter.h"
#include "readme/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr QLatin1String Extension(".tmp");
constexpr QStringView StoreName = u"tmp";
// Longest file name the file systems accept: 255 UTF-16 units on Windows,
// 255 bytes elsewhere.
constexpr qsizetype MaxFileNameLength = 255;

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

// Windows opens a device, not a file, for these names, whatever follows the
// first dot: "CON.tmp" or "nul.x.tmp" would write nowhere.
bool isDeviceName(const QString &fileName)
{
    static const QRegularExpression devices(
        u"^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[1-9¹²³]|LPT[1-9¹²³]) *$"_qs,
        QRegularExpression::CaseInsensitiveOption);
    return devices.match(fileName.section(u'.', 0, 0)).hasMatch();
}

bool isUsableFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
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

} // namespace

TemplateStore::TemplateStore(const QString &folder, PathStyle style)
    : m_folder(folder), m_style(style)
{
}

TemplateStore TemplateStore::locate(const QString &programFolder)
{
    const QDir parent(programFolder);
    QString folder = existingStore(parent);
    if (folder.isEmpty() && parent.mkdir(StoreName.toString()))
        folder = parent.filePath(StoreName.toString());
    if (!isUsableFolder(folder)) {
        const QDir data(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        data.mkpath(StoreName.toString());
        folder = data.filePath(StoreName.toString());
    }
    return TemplateStore(folder);
}

QString TemplateStore::filePath(const QString &name) const
{
    return m_folder + u'/' + name + Extension;
}

QStringList TemplateStore::ListTemplates() const
{
    QDir::Filters filters = QDir::Files;
    if (m_style == PathStyle::Posix)
        filters |= QDir::Hidden | QDir::CaseSensitive; // ".net.tmp" is a title, not a hidden file
    QStringList names;
    const QStringList files =
        QDir(m_folder).entryList({u"*.tmp"_qs}, filters, QDir::Unsorted);
    for (const QString &file : files) {
        if (file.endsWith(Extension, m_style == PathStyle::Posix ? Qt::CaseSensitive
                                                                 : Qt::CaseInsensitive))
            names.append(file.chopped(Extension.size()));
    }
    std::sort(names.begin(), names.end(), windowsNameOrder);
    return names;
}

QString TemplateStore::titleProblem(const QString &title, PathStyle style)
{
    QString forbidden = u"/\\"_qs;
    if (style == PathStyle::Windows)
        forbidden += u":*?\"<>|"_qs;
    QString shown;
    for (const QChar c : title) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            shown = u"制御文字 (U+%1)"_qs.arg(QString::number(c.unicode(), 16).toUpper(), 4, u'0');
        else if (forbidden.contains(c))
            shown = u"「%1」"_qs.arg(c);
        if (!shown.isEmpty())
            break;
    }
    const QString fileName = title + Extension;
    const qsizetype length = style == PathStyle::Windows ? fileName.size()
                                                         : QFile::encodeName(fileName).size();
    QString reason;
    if (!shown.isEmpty())
        reason = u"%1 を含んでいます"_qs.arg(shown);
    else if (length > MaxFileNameLength)
        reason = u"ファイル名として長すぎます"_qs;
    else if (style == PathStyle::Windows && isDeviceName(fileName))
        reason = u"Windows が装置名として予約している名前です"_qs;
    else
        return {};
    return u"タイトル「%1」はテンプレートのファイル名に使えません（%2）。\n"
           u"テンプレートを保存しない場合は「現在の設定をテンプレートとして保存」のチェックを外してください。"_qs
        .arg(title, reason);
}

TemplateStore::Prepared TemplateStore::prepare(const ReadmeSettings &settings) const
{
    Prepared prepared;
    prepared.path = filePath(settings.txtTitle);
    prepared.problem = titleProblem(settings.txtTitle, m_style);
    if (!prepared.problem.isEmpty())
        return prepared;
    const QString text = TemplateFormat::templateText(settings, m_style);
    const qsizetype lineCount =
        TemplateFormat::FieldCount + 1 + settings.list2Left.size() + settings.List2Right.size();
    if (text.count(u'\n') != lineCount || text.count(u'\r') != lineCount) {
        prepared.problem = u"入力された値に改行が含まれているため、テンプレートを保存できません。"_qs;
        return prepared;
    }
    Cp932Codec::Encoded encoded = Cp932Codec::encode(text);
    if (!encoded.ok())
        prepared.problem = ReadmeWriter::unencodableMessage(u"テンプレート"_qs, encoded.unencodable);
    prepared.bytes = std::move(encoded.bytes);
    return prepared;
}

WriteResult TemplateStore::save(const Prepared &prepared) const
{
    if (!prepared.problem.isEmpty())
        return WriteResult::refusal(prepared.problem);
    WriteResult result = SafeFile::writeAtomically(prepared.path, prepared.bytes);
    if (!result.written())
        result.message = u"テンプレートを保存できませんでした。\n"_qs + result.message;
    return result;
}

TemplateFormat::ParseResult TemplateStore::LoadTemplate(const QString &name) const
{
    const QString path = filePath(name);
    QFile file(path);
    TemplateFormat::ParseResult result;
    if (!file.exists())
        result.error = u"ファイルが見つかりません。削除されたか、名前が変えられた可能性があります。"_qs;
    else if (!file.open(QIODevice::ReadOnly))
        result.error = u"ファイルを開けませんでした（%1）。"_qs.arg(file.errorString());
    else
        result = TemplateFormat::parseTemplate(file.readAll());
    if (file.error() != QFileDevice::NoError && result.ok())
        result.error = u"ファイルを読めませんでした（%1）。"_qs.arg(file.errorString());
    if (!result.ok())
        result.error = u"テンプレート「%1」を読み込めませんでした。\n%2"_qs.arg(
            SafeFile::displayPath(path), result.error);
    return result;
}
