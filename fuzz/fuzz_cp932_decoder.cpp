// SPDX-License-Identifier: MIT
// Decodes arbitrary bytes as code page 932. Several codes can stand for one
// character, so the bytes need not come back; what must hold is that the
// decoded text encodes without loss, no longer than it was, and decodes to
// itself, and that a reported invalid byte ends exactly the part that decoded.

#include "fuzz/FuzzCheck.h"
#include "io/Cp932Codec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const Cp932Codec::Decoded decoded = Cp932Codec::decode(bytes);
    const qsizetype valid = decoded.ok() ? bytes.size() : decoded.invalidOffset;
    requireProperty(valid <= bytes.size(), "the invalid offset lies inside the input");

    const Cp932Codec::Decoded prefix = Cp932Codec::decode(bytes.first(valid));
    requireProperty(prefix.ok() && prefix.text == decoded.text,
                    "the bytes before the invalid one decode to the same text");

    const Cp932Codec::Encoded encoded = Cp932Codec::encode(decoded.text);
    requireProperty(encoded.ok(), "every decoded character has a code");
    requireProperty(encoded.bytes.size() <= valid, "the chosen codes are never longer");

    const Cp932Codec::Decoded again = Cp932Codec::decode(encoded.bytes);
    requireProperty(again.ok() && again.text == decoded.text, "the encoded text decodes to itself");
    return 0;
}
