// SPDX-License-Identifier: MIT
#include "templates/TemplateFormat.h"

#include "core/SettingsFields.h"
#include "core/Texts.h"
#include "io/Cp932Codec.h"

#include <algorithm>

namespace TemplateFormat {

namespace {

constexpr QStringView CrLf = u"\r\n";

void appendQuoted(QString &text, const QString &value)
{
    text += u'"';
    text += value;
    text += u'"';
    text += CrLf;
}

// The members of the single-value lines, in file order.
const QList<QString ReadmeSettings::*> &fieldOrder()
{
    static const QList<QString ReadmeSettings::*> order = [] {
        QList<SettingsFields::Field> lines = SettingsFields::fields();
        lines.removeIf([](const SettingsFields::Field &field) { return field.templateLine == 0; });
        std::sort(lines.begin(), lines.end(),
                  [](const auto &a, const auto &b) { return a.templateLine < b.templateLine; });
        QList<QString ReadmeSettings::*> members;
        for (const SettingsFields::Field &field : lines)
            members.append(field.text);
        return members;
    }();
    return order;
}

struct Line
{
    QString value;
    bool quoted = false;
};

// One line of the file: the text between the first and the last double quote
// when the line starts with one (the rest of the line when it has no second
// quote), otherwise the whole line.
Line readLine(QStringView line)
{
    if (!line.startsWith(u'"'))
        return {line.toString(), false};
    const qsizetype last = line.lastIndexOf(u'"');
    const QStringView inner = last > 0 ? line.sliced(1, last - 1) : line.sliced(1);
    return {inner.toString(), true};
}

// The lines of the text without their line ends; a final line end opens no
// further line.
QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QStringView &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

qsizetype fieldCount()
{
    return fieldOrder().size();
}

QString templateText(const ReadmeSettings &settings, PathStyle style)
{
    ReadmeSettings stored = settings;
    stored.txtPath = outputFolderPath(settings.txtPath, style);

    QString text;
    for (QString ReadmeSettings::*field : fieldOrder())
        appendQuoted(text, stored.*field);
    for (const QString &heading : settings.list2Left)
        appendQuoted(text, heading);
    text += Separator;
    text += CrLf;
    for (const QString &heading : settings.List2Right)
        appendQuoted(text, heading);
    return text;
}

ParseResult parseTemplateText(QStringView text)
{
    const QList<QStringView> lines = splitLines(text);
    ParseResult result;
    if (lines.size() < fieldCount() && text.contains(u'\r') && !text.contains(u'\n')) {
        result.error = Texts::onlyCr();
        return result;
    }
    if (lines.size() < fieldCount()) {
        result.error = Texts::endsEarly(lines.size(), fieldCount(), Separator);
        return result;
    }
    qsizetype index = 0;
    for (QString ReadmeSettings::*field : fieldOrder())
        result.settings.*field = readLine(lines.at(index++)).value;

    bool separated = false;
    for (; index < lines.size(); ++index) {
        const Line line = readLine(lines.at(index));
        if (!separated && !line.quoted && line.value == Separator)
            separated = true;
        else
            (separated ? result.settings.List2Right : result.settings.list2Left).append(line.value);
    }
    if (!separated)
        result.error = Texts::noSeparator(Separator);
    return result;
}

ParseResult parseTemplate(QByteArrayView bytes)
{
    const Cp932Codec::Decoded decoded = Cp932Codec::decode(bytes);
    if (!decoded.ok()) {
        ParseResult result;
        result.error = Texts::undecodable(decoded.invalidOffset + 1);
        return result;
    }
    return parseTemplateText(decoded.text);
}

} // namespace TemplateFormat
