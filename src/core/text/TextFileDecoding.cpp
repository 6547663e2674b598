#include "core/text/TextFileDecoding.h"

#include <algorithm>

#include "core/text/Cp932Codec.h"

namespace tarvo {
namespace {

// Length of the well-formed UTF-8 character at `pos`, or 0 when the bytes
// there are not one (the table of well-formed byte sequences of Unicode).
std::size_t wellFormedLength(std::string_view s, std::size_t pos) {
    const auto byteAt = [&](std::size_t i) -> unsigned {
        return pos + i < s.size() ? static_cast<unsigned char>(s[pos + i]) : 0x100u;
    };
    const unsigned lead = byteAt(0);
    if (lead < 0x80) return 1;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;  // no overlong three-byte forms
        if (lead == 0xED) high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;  // no overlong four-byte forms
        if (lead == 0xF4) high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    const unsigned second = byteAt(1);
    if (second < low || second > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        const unsigned next = byteAt(i);
        if (next < 0x80 || next > 0xBF) return 0;
    }
    return length;
}

DecodedTextFile refused(TextFileEncoding encoding, std::size_t offset) {
    DecodedTextFile result;
    result.encoding = encoding;
    result.ok = false;
    result.errorOffset = offset;
    return result;
}

} // namespace

bool isValidUtf8(std::string_view bytes, std::size_t* badOffset) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        // Runs of ASCII, the bulk of a CSV file, are skipped byte by byte without the table.
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t length = wellFormedLength(bytes, pos);
        if (length == 0) {
            if (badOffset != nullptr) *badOffset = pos;
            return false;
        }
        pos += length;
    }
    return true;
}

DecodedTextFile decodeTextFile(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return refused(TextFileEncoding::Utf16, 0);
    const bool bom = bytes.starts_with(kUtf8ByteOrderMark);
    const std::size_t start = bom ? kUtf8ByteOrderMark.size() : 0;
    const std::string_view body = bytes.substr(start);
    // A zero byte is no character of a text file (UTF-16 without a mark has many).
    if (const std::size_t zero = body.find('\0'); zero != std::string_view::npos)
        return refused(bom ? TextFileEncoding::Utf8WithBom : TextFileEncoding::Utf8, start + zero);

    std::size_t bad = 0;
    if (isValidUtf8(body, &bad)) {
        DecodedTextFile result;
        result.text = std::string(body);
        result.encoding = bom ? TextFileEncoding::Utf8WithBom : TextFileEncoding::Utf8;
        return result;
    }
    // A file that declares UTF-8 is not guessed at any further.
    if (bom) return refused(TextFileEncoding::Utf8WithBom, start + bad);

    TextConversion converted = cp932ToUtf8(body);
    // Neither reading takes the file. The later of the two first problems is
    // the likelier damage: a UTF-8 file fails as code page 932 at its first
    // Japanese character, and the other way round.
    if (!converted.ok) return refused(TextFileEncoding::Cp932, std::max(bad, converted.errorOffset));
    DecodedTextFile result;
    result.text = std::move(converted.text);
    result.encoding = TextFileEncoding::Cp932;
    return result;
}

} // namespace tarvo
