// SPDX-License-Identifier: MIT
#include "io/Cp932Codec.h"

#include "core/CodePoints.h"
#include "io/Cp932Table.h"

#include <QSet>

#include <array>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t NoChar = Cp932Table::NoChar; // a noncharacter: no byte code decodes to it
constexpr quint16 NoCode = 0xFFFF;              // FF is never a trail byte, so FFFF is no code

// Flat lookup tables, built once. Codes below 0x100 are single bytes; lead
// bytes start at 0x81, so single and double-byte codes never collide.
struct Tables
{
    std::array<char16_t, 256> single{};
    std::vector<char16_t> pair = std::vector<char16_t>(0x10000, NoChar); // by lead << 8 | trail
    std::vector<quint16> code = std::vector<quint16>(0x10000, NoCode);   // by UTF-16 unit
};

[[nodiscard]] constexpr bool isLead(uchar byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The single bytes as Windows maps them: 00-80 to themselves, A0 and FD-FF
// to private-use characters, A1-DF to half-width katakana.
[[nodiscard]] std::array<char16_t, 256> singleByteTable()
{
    std::array<char16_t, 256> table{};
    table.fill(NoChar);
    for (char16_t byte = 0; byte <= 0x80; ++byte)
        table[byte] = byte;
    table[0xA0] = 0xF8F0;
    for (char16_t byte = 0xA1; byte <= 0xDF; ++byte)
        table[byte] = char16_t(0xFF61 + byte - 0xA1); // half-width katakana
    for (char16_t byte = 0xFD; byte <= 0xFF; ++byte)
        table[byte] = char16_t(0xF8F1 + byte - 0xFD);
    return table;
}

// The double-byte codes come from the table compiled into the program, so
// no converter library is needed and nothing is looked up at run time.
void fillPairTable(Tables &tables)
{
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLead(uchar(lead)))
            continue;
        const auto &row = Cp932Table::pairs[Cp932Table::row(uchar(lead))];
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            tables.pair[lead << 8 | trail] = row[trail - 0x40];
    }
}

[[nodiscard]] constexpr bool inRowsEdEe(quint16 code)
{
    return (code >> 8) == 0xED || (code >> 8) == 0xEE;
}

// Several codes can decode to one character (NEC and IBM duplicates). Windows
// encodes to the lowest code outside rows ED and EE; visiting codes in
// ascending order, the first one seen is the lowest.
void offerCode(Tables &tables, char16_t ch, quint16 code)
{
    if (ch == NoChar)
        return;
    quint16 &current = tables.code[ch];
    if (current == NoCode || (inRowsEdEe(current) && !inRowsEdEe(code)))
        current = code;
}

[[nodiscard]] Tables buildTables()
{
    Tables tables;
    tables.single = singleByteTable();
    fillPairTable(tables);
    for (quint16 byte = 0; byte <= 0xFF; ++byte)
        offerCode(tables, tables.single[byte], byte);
    for (int code = 0x8100; code <= 0xFCFF; ++code)
        offerCode(tables, tables.pair[code], quint16(code));
    return tables;
}

[[nodiscard]] const Tables &tables()
{
    static const Tables instance = buildTables();
    return instance;
}

// Collects code points without a code, each once, keeping first appearance.
class MissingList
{
public:
    explicit MissingList(QList<char32_t> &list) : m_list(list) {}
    void add(char32_t codePoint)
    {
        if (!m_seen.contains(codePoint)) {
            m_seen.insert(codePoint);
            m_list.append(codePoint);
        }
    }

private:
    QList<char32_t> &m_list;
    QSet<char32_t> m_seen;
};

} // namespace

// A character without a code is left out of `bytes`; the caller sees it in
// `unencodable` and must not write the result.
Cp932Codec::Encoded Cp932Codec::encode(QStringView text)
{
    const quint16 *const codeOf = tables().code.data();
    const char16_t *const units = text.utf16();
    const qsizetype size = text.size();
    Encoded result;
    MissingList missing(result.unencodable);
    result.bytes.resize(size * 2);
    char *const begin = result.bytes.data();
    char *out = begin;
    for (qsizetype i = 0; i < size; ++i) {
        const quint16 code = codeOf[units[i]];
        if (code < 0x100) {
            *out++ = char(code);
        } else if (code != NoCode) {
            *out++ = char(code >> 8);
            *out++ = char(code & 0xFF);
        } else {
            missing.add(CodePoints::next(text, i));
        }
    }
    result.bytes.truncate(out - begin);
    return result;
}

Cp932Codec::Decoded Cp932Codec::decode(QByteArrayView bytes)
{
    const char16_t *const single = tables().single.data();
    const char16_t *const pair = tables().pair.data();
    Decoded result;
    result.text.resize(bytes.size());
    QChar *const begin = result.text.data();
    QChar *out = begin;
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const bool lead = isLead(data[i]);
        char16_t ch = single[data[i]];
        if (lead)
            ch = i + 1 < size ? pair[data[i] << 8 | data[i + 1]] : NoChar;
        if (ch == NoChar) {
            result.invalidOffset = i;
            break;
        }
        *out++ = QChar(ch);
        i += lead ? 1 : 0;
    }
    result.text.truncate(out - begin);
    return result;
}
