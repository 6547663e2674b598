// The only file of the core that talks to the platform's iconv.
#include "core/text/Cp932Codec.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <memory>

namespace tarvo {
namespace {

// One conversion descriptor per direction and thread, opened on first use:
// opening one costs far more than converting a short name, and a project
// file holds thousands of names.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (valid()) iconv_close(cd_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    // iconv_open reports failure with the descriptor (iconv_t)-1.
    [[nodiscard]] bool valid() const {
        return cd_ != reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)
    }
    [[nodiscard]] iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

bool isAscii(std::string_view s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// Length of the UTF-8 character at `pos`: its lead byte and the continuation
// bytes that follow it, at most as many as the lead byte announces.
std::size_t utf8CharLength(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    std::size_t want = 1;
    if (lead >= 0xF0)
        want = 4;
    else if (lead >= 0xE0)
        want = 3;
    else if (lead >= 0xC0)
        want = 2;
    std::size_t n = 1;
    while (n < want && pos + n < s.size() && (static_cast<unsigned char>(s[pos + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

// Runs iconv over `in`; on a byte it cannot take it appends `standIn`, skips
// `skip(in, pos)` bytes and goes on.
template <typename SkipFn>
TextConversion convert(const IconvHandle& handle, std::string_view in, std::string_view standIn, SkipFn skip) {
    TextConversion result;
    if (!handle.valid()) {
        result.ok = false;
        result.errorOffset = 0;
        return result;
    }
    iconv(handle.get(), nullptr, nullptr, nullptr, nullptr); // reset the shift state
    result.text.reserve(in.size() * 3 / 2 + 4);

    char buffer[512];
    std::size_t pos = 0;
    auto noteProblem = [&](std::size_t at) {
        if (result.ok) {
            result.ok = false;
            result.errorOffset = at;
        }
    };
    while (pos < in.size()) {
        // iconv's prototype wants a non-const input pointer; it does not write through it.
        char* inPtr = const_cast<char*>(in.data() + pos);
        std::size_t inLeft = in.size() - pos;
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(handle.get(), &inPtr, &inLeft, &outPtr, &outLeft);
        const int err = errno;
        result.text.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        pos = in.size() - inLeft;
        if (rc != static_cast<std::size_t>(-1)) continue;
        if (err == E2BIG) continue; // buffer full: flush and go on
        // EILSEQ (invalid or unconvertible) or EINVAL (cut off at the end).
        noteProblem(pos);
        result.text.append(standIn);
        pos += (err == EINVAL) ? in.size() - pos : skip(in, pos);
        iconv(handle.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return result;
}

// The code of each character of the basic multilingual plane as iconv gives
// it, asked once per character and thread: iconv is context-free for this
// direction, so a text of known characters is their codes side by side.
// Values below 0x100 are one byte, others two; 0 is not asked yet.
class Cp932Codes {
public:
    static constexpr std::uint16_t kNotAsked = 0;
    static constexpr std::uint16_t kNoCode = 0xFFFF; // no CP932 code starts with 0xFF

    // Appends the CP932 form of `utf8`; false (with `out` partly written)
    // when it holds a character without a code, one outside the basic
    // multilingual plane or broken UTF-8, which the whole conversion handles.
    bool append(const IconvHandle& handle, std::string_view utf8, std::string& out) {
        for (std::size_t pos = 0; pos < utf8.size();) {
            const auto lead = static_cast<unsigned char>(utf8[pos]);
            if (lead < 0x80) {
                out.push_back(static_cast<char>(lead));
                ++pos;
                continue;
            }
            const std::size_t length = sequenceLength(utf8, pos);
            if (length == 0) return false;
            const std::uint16_t code = codeOf(handle, utf8.substr(pos, length));
            if (code == kNoCode) return false;
            if (code >= 0x100) out.push_back(static_cast<char>(code >> 8));
            out.push_back(static_cast<char>(code & 0xFF));
            pos += length;
        }
        return true;
    }

private:
    // 2 or 3 for a well-formed character of the plane at `pos`, else 0.
    static std::size_t sequenceLength(std::string_view s, std::size_t pos) {
        const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
        const auto continuation = [&](std::size_t i) { return i < s.size() && (byte(i) & 0xC0) == 0x80; };
        const unsigned char lead = byte(pos);
        if (lead >= 0xC2 && lead <= 0xDF) return continuation(pos + 1) ? 2 : 0;
        if (lead < 0xE0 || lead > 0xEF || !continuation(pos + 1) || !continuation(pos + 2)) return 0;
        const unsigned char second = byte(pos + 1);
        if (lead == 0xE0 && second < 0xA0) return 0;  // overlong
        if (lead == 0xED && second >= 0xA0) return 0; // surrogate
        return 3;
    }

    static char32_t codePoint(std::string_view c) {
        const auto byte = [&c](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(c[i])); };
        if (c.size() == 2) return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
        return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    }

    std::uint16_t codeOf(const IconvHandle& handle, std::string_view c) {
        if (!codes_) codes_ = std::make_unique<std::array<std::uint16_t, 0x10000>>();
        std::uint16_t& code = (*codes_)[codePoint(c)];
        if (code != kNotAsked) return code;
        const TextConversion one = convert(handle, c, std::string_view(&kCp932Replacement, 1),
                                           [](std::string_view, std::size_t) { return std::size_t{1}; });
        code = kNoCode;
        if (one.ok && one.text.size() == 1) code = static_cast<unsigned char>(one.text[0]);
        if (one.ok && one.text.size() == 2) {
            code = static_cast<std::uint16_t>((static_cast<unsigned char>(one.text[0]) << 8) |
                                              static_cast<unsigned char>(one.text[1]));
        }
        // A two-byte code never begins with 0: such an answer is not kept as one byte.
        if (code != kNoCode && one.text.size() == 2 && code < 0x100) code = kNoCode;
        return code;
    }

    std::unique_ptr<std::array<std::uint16_t, 0x10000>> codes_;
};

} // namespace

TextConversion cp932ToUtf8(std::string_view cp932) {
    if (isAscii(cp932)) return {std::string(cp932), true, 0};
    thread_local const IconvHandle handle("UTF-8", "CP932");
    // A bad byte is skipped alone, so that a following ASCII byte survives.
    return convert(handle, cp932, kUtf8Replacement, [](std::string_view, std::size_t) { return std::size_t{1}; });
}

TextConversion utf8ToCp932(std::string_view utf8) {
    if (isAscii(utf8)) return {std::string(utf8), true, 0};
    thread_local const IconvHandle handle("CP932", "UTF-8");
    if (handle.valid()) {
        thread_local Cp932Codes codes;
        TextConversion known;
        known.text.reserve(utf8.size());
        if (codes.append(handle, utf8, known.text)) return known;
    }
    // A character CP932 has no code for is skipped whole.
    return convert(handle, utf8, std::string_view(&kCp932Replacement, 1), utf8CharLength);
}

std::string toUtf8(std::string_view cp932) {
    return cp932ToUtf8(cp932).text;
}
std::string toCp932(std::string_view utf8) {
    return utf8ToCp932(utf8).text;
}

} // namespace tarvo
