// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct ReadmeSettings;

// The answers field by field, each with the caption that stands above its
// input on its page, so that a message can name the field the user has to
// change. The lists of page 3 have no caption of their own; they are named
// after the page's caption and their side.
namespace SettingsFields {

struct StoredField
{
    QString caption;
    QStringList values;
    bool inReadme = false; // composed into the ReadMe text
};

// Every field a template stores, in the order of the wizard pages; the two
// check boxes are not stored.
[[nodiscard]] QList<StoredField> storedFields(const ReadmeSettings &settings);

// 「作成者」、「保存先の指定」: the fields among `fields` whose values hold
// one of `characters`, each once; empty when none does.
[[nodiscard]] QString captionsHolding(const QList<StoredField> &fields,
                                      const QList<char32_t> &characters);

// The same for the fields with a CR or an LF in one of their values.
[[nodiscard]] QString captionsWithLineBreaks(const QList<StoredField> &fields);

} // namespace SettingsFields
