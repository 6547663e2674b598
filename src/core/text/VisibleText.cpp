#include "core/text/VisibleText.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

constexpr char32_t kControlPictures = 0x2400;
constexpr char32_t kDeletePicture = 0x2421;

void appendUtf8(std::string& out, char32_t cp) {
    // Control pictures are three-byte characters.
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
}

// The bytes that may begin a control: C0, DEL and the lead byte of the C1
// range; every other byte is copied without a second look.
constexpr std::array<bool, 256> kMayBeginControl = [] {
    std::array<bool, 256> table{};
    for (std::size_t b = 0; b < 0x20; ++b)
        table[b] = true;
    table[0x7F] = true;
    table[0xC2] = true;
    return table;
}();

// Whether one of the eight bytes of `word` may begin a control (it may say
// so of a word without one, never the other way).
constexpr bool mayHoldControl(std::uint64_t word) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    const auto hasZeroByte = [](std::uint64_t x) { return ((x - ones) & ~x & highs) != 0; };
    const bool below20 = ((word - ones * 0x20) & ~word & highs) != 0;
    return below20 || hasZeroByte(word ^ (ones * 0x7F)) || hasZeroByte(word ^ (ones * 0xC2));
}

} // namespace

std::string visibleText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    appendVisibleText(out, utf8);
    return out;
}

void appendVisibleText(std::string& out, std::string_view utf8) {
    // Runs of printable text go in one piece.
    std::size_t run = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        // Eight bytes at a time past text without a control.
        while (i + 8 <= utf8.size()) {
            std::uint64_t word = 0;
            std::memcpy(&word, utf8.data() + i, 8);
            if (mayHoldControl(word)) break;
            i += 8;
        }
        if (i >= utf8.size()) break;
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (!kMayBeginControl[byte]) continue;
        const bool c1 = byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if (byte >= 0x20 && byte != 0x7F && !c1) continue;
        out.append(utf8.data() + run, i - run);
        if (byte < 0x20) {
            appendUtf8(out, kControlPictures + byte);
        } else if (byte == 0x7F) {
            appendUtf8(out, kDeletePicture);
        } else {
            // U+0080 to U+009F: the C1 controls (CSI among them).
            appendFormat(out, "<U+%04X>", static_cast<unsigned>(static_cast<unsigned char>(utf8[i + 1])));
            ++i;
        }
        run = i + 1;
    }
    out.append(utf8.data() + run, utf8.size() - run);
}

} // namespace tarvo
