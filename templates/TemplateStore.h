// SPDX-License-Identifier: MIT
#pragma once

#include "core/OutputPath.h"
#include "io/PreparedFile.h"
#include "io/WriteResult.h"
#include "templates/TemplateFormat.h"

#include <QString>
#include <QStringList>

// The folder that holds the templates, one file "<title>.tmp" each. It is
// the folder "tmp" beside the program, or, where that cannot be made or
// written (a read-only program folder, a plain file named "tmp") and in an
// installed program, "tmp" in the user's data folder. Saving checks the name
// and the characters before anything is written and replaces an older
// template atomically. Only regular files are listed and read, never more
// than TemplateFormat::MaxBytes, and reading never waits on a pipe or device.
class TemplateStore
{
public:
    explicit TemplateStore(const QString &folder, PathStyle style = nativePathStyle());

    // Finds or creates the store for a program that lives in `programFolder`.
    [[nodiscard]] static TemplateStore locate(const QString &programFolder);
    // The store in the user's data folder, created when missing.
    [[nodiscard]] static TemplateStore inUserData();

    [[nodiscard]] QString folder() const { return m_folder; }
    [[nodiscard]] QString filePath(const QString &name) const;

    // Names of the stored templates (file names without ".tmp"), in the order
    // the Windows file system lists a folder: by name, letter case folded.
    [[nodiscard]] QStringList templateNames() const;

    // A template ready to be written: its path and encoded bytes, or why it
    // cannot be saved, in Japanese, naming the field to change (a title that
    // cannot be a file name, a line break in a value, characters code page
    // 932 cannot hold, a template too large to be read again).
    [[nodiscard]] PreparedFile prepare(const ReadmeSettings &settings) const;
    [[nodiscard]] WriteResult save(const PreparedFile &prepared) const;

    // Reads the template `name`; the result carries the reason when the
    // file is missing, no regular file, too large, unreadable or damaged.
    [[nodiscard]] TemplateFormat::ParseResult load(const QString &name) const;

private:
    QString m_folder;
    PathStyle m_style;
};
