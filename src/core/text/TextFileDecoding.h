#pragma once
// Reading a text file written by another program (a spreadsheet, a frame
// analysis program) whose encoding is not declared: UTF-8 with or without a
// byte-order mark, or code page 932 as spreadsheets on Japanese Windows write
// it. Text that is valid UTF-8 is taken as UTF-8; anything else is read as
// code page 932.
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

enum class TextFileEncoding {
    Utf8,        // valid UTF-8 without a byte-order mark (plain ASCII too)
    Utf8WithBom, // a UTF-8 byte-order mark first
    Cp932,       // not valid UTF-8: read as code page 932
    Utf16,       // a UTF-16 byte-order mark: not read
};

struct DecodedTextFile {
    std::string text; // UTF-8, without the byte-order mark
    TextFileEncoding encoding = TextFileEncoding::Utf8;
    // False when the bytes are no text this reader takes: a UTF-16 file, a
    // zero byte, broken UTF-8 after a UTF-8 byte-order mark, or bytes that
    // are neither UTF-8 nor code page 932. `errorOffset` is then the file
    // offset of the first such byte (of the two readings, the one that got
    // further) and `text` is empty.
    bool ok = true;
    std::size_t errorOffset = 0;
};

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// True when `bytes` are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF). `badOffset` (when given) receives the offset of
// the first byte that is not.
bool isValidUtf8(std::string_view bytes, std::size_t* badOffset = nullptr);

DecodedTextFile decodeTextFile(std::string_view bytes);

} // namespace tarvo
