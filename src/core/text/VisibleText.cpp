#include "core/text/VisibleText.h"

#include <array>

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
