// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QStringView>

// Characters of UTF-16 text as the user sees them: a surrogate pair is one
// character, a lone surrogate stands for itself.
namespace CodePoints {

// The code point starting at `i`; steps `i` over the low half of a pair.
[[nodiscard]] inline char32_t next(QStringView text, qsizetype &i)
{
    const QChar unit = text[i];
    if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(unit, text[++i]);
    return unit.unicode();
}

// The first character; empty for an empty text.
[[nodiscard]] inline QStringView first(QStringView text)
{
    if (text.isEmpty())
        return text;
    qsizetype i = 0;
    Q_UNUSED(next(text, i));
    return text.first(i + 1);
}

// The last character; empty for an empty text.
[[nodiscard]] inline QStringView last(QStringView text)
{
    if (qsizetype i = text.size() - 2; i >= 0) {
        Q_UNUSED(next(text, i));
        if (i == text.size() - 1)
            return text.last(2);
    }
    return text.last(text.isEmpty() ? 0 : 1);
}

} // namespace CodePoints
