// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// Converts between Unicode and code page 932 (Shift-JIS) exactly as Windows
// does, in both directions. Every file the program writes or reads goes
// through here. Encoding never substitutes a character: what has no code is
// reported. Decoding never guesses: the first invalid byte is reported.
class Cp932Codec
{
public:
    struct Encoded
    {
        QByteArray bytes;
        // Code points that have no code, each once, in order of first appearance.
        QList<char32_t> unencodable;
        [[nodiscard]] bool ok() const { return unencodable.isEmpty(); }
    };

    struct Decoded
    {
        QString text;
        // Offset of the first byte that starts no valid character, or -1.
        qsizetype invalidOffset = -1;
        [[nodiscard]] bool ok() const { return invalidOffset < 0; }
    };

    [[nodiscard]] static Encoded encode(QStringView text);
    [[nodiscard]] static Decoded decode(QByteArrayView bytes);
};
