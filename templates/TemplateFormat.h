// SPDX-License-Identifier: MIT
#pragma once

#include "core/OutputPath.h"
#include "core/ReadmeSettings.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The template file: fourteen quoted lines (title, author, version, date, the
// four environment and terms fields, web site, mail, line style, file name,
// bracket style, output folder), the available headings, an unquoted line
// 999, the chosen headings. Every line ends in CR LF; values are written
// between double quotes as they are, nothing escaped. The check boxes are
// not stored.
namespace TemplateFormat {

// The number of quoted lines before the heading lists, one per single
// value, in the order that the table of fields gives them.
[[nodiscard]] qsizetype fieldCount();

// The unquoted line between the available headings and the chosen ones.
inline constexpr QStringView Separator = u"999";

// The largest template that is written or read, 64 MiB: far above what a
// user types (32,767 headings of 1,000 ASCII characters fill half of it), small
// enough that reading one never exhausts memory. A larger file is refused as
// damaged; a larger template is not saved.
inline constexpr qsizetype MaxBytes = qsizetype(64) * 1024 * 1024;

// The whole file as text (not yet encoded). The folder line goes through
// outputFolderPath, so it always ends in a separator.
[[nodiscard]] QString templateText(const ReadmeSettings &settings,
                                   PathStyle style = nativePathStyle());

struct ParseResult
{
    // Every stored field; chkTemp and chkEdit keep their defaults.
    ReadmeSettings settings;
    // Why the text is no template, in Japanese; empty when it parsed.
    QString error;
    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// Reads a whole template. Only an unquoted line 999 separates the heading
// lists; a quoted value runs from the first to the last double quote of its
// line, so values that hold double quotes come back as they were written.
[[nodiscard]] ParseResult parseTemplateText(QStringView text);

// Decodes code page 932 bytes, then parses them.
[[nodiscard]] ParseResult parseTemplate(QByteArrayView bytes);

} // namespace TemplateFormat
