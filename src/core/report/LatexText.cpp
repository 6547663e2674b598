#include "core/report/LatexText.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "core/text/Cp932Codec.h"

namespace tarvo {
namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Skips a broken UTF-8 sequence: its first byte and the continuation bytes
// that follow it, so that one broken character gives one stand-in.
char32_t skipBroken(std::string_view s, std::size_t& pos) {
    ++pos;
    for (int n = 0; n < 3 && pos < s.size() && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80; ++n)
        ++pos;
    return kInvalid;
}

// Decodes the UTF-8 character at `pos` and advances `pos`; kInvalid for a
// broken sequence.
char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07u;
    } else {
        return skipBroken(s, pos);
    }
    if (pos + length > s.size()) {
        return skipBroken(s, pos);
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(s[pos + i]);
        if ((byte & 0xC0) != 0x80) {
            return skipBroken(s, pos);
        }
        value = (value << 6) | (byte & 0x3Fu);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    if (overlong || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return skipBroken(s, pos);
    }
    pos += length;
    return value;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Full-width forms of the half-width katakana U+FF61..U+FF9F.
constexpr std::array<char16_t, 63> kFullWidthKana{
    u'。', u'「', u'」', u'、', u'・', u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ', u'ョ', u'ッ', u'ー',
    u'ア', u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ', u'サ', u'シ', u'ス', u'セ', u'ソ', u'タ',
    u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ', u'ネ', u'ノ', u'ハ', u'ヒ', u'フ', u'ヘ', u'ホ', u'マ', u'ミ',
    u'ム', u'メ', u'モ', u'ヤ', u'ユ', u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン', u'゛', u'゜'};
constexpr char32_t kHalfWidthVoiced = 0xFF9E;
constexpr char32_t kHalfWidthSemiVoiced = 0xFF9F;

// The voiced (or semi-voiced) form of a full-width kana, or 0 when it has none.
char32_t withMark(char32_t kana, bool semiVoiced) {
    if (semiVoiced) return kana >= u'ハ' && kana <= u'ホ' && (kana - u'ハ') % 3 == 0 ? kana + 2 : 0;
    if (kana == u'ウ') return u'ヴ';
    if (kana >= u'カ' && kana <= u'ヂ') return (kana - u'カ') % 2 == 0 ? kana + 1 : 0;
    if (kana >= u'ツ' && kana <= u'ド') return (kana - u'ツ') % 2 == 0 ? kana + 1 : 0;
    if (kana >= u'ハ' && kana <= u'ホ') return (kana - u'ハ') % 3 == 0 ? kana + 1 : 0;
    return 0;
}

struct Replacement {
    char32_t from;
    const char* to;
};

// Characters of code page 932 outside JIS X 0208 that have a readable
// equivalent; the rest of them become the stand-in.
constexpr Replacement kReplacements[] = {{0x00A5, "￥"},
                                         {0x203E, "￣"},
                                         {0x00A6, "｜"},
                                         {0xFFE4, "｜"},
                                         {0xFF07, "'"},
                                         {0xFF02, "\""},
                                         {0x2160, "I"},
                                         {0x2161, "II"},
                                         {0x2162, "III"},
                                         {0x2163, "IV"},
                                         {0x2164, "V"},
                                         {0x2165, "VI"},
                                         {0x2166, "VII"},
                                         {0x2167, "VIII"},
                                         {0x2168, "IX"},
                                         {0x2169, "X"},
                                         {0x2170, "i"},
                                         {0x2171, "ii"},
                                         {0x2172, "iii"},
                                         {0x2173, "iv"},
                                         {0x2174, "v"},
                                         {0x2175, "vi"},
                                         {0x2176, "vii"},
                                         {0x2177, "viii"},
                                         {0x2178, "ix"},
                                         {0x2179, "x"},
                                         {0x2116, "No."},
                                         {0x2121, "TEL"},
                                         {0x33CD, "K.K."},
                                         {0x3231, "(株)"},
                                         {0x3232, "(有)"},
                                         {0x3239, "(代)"},
                                         {0x32A4, "(上)"},
                                         {0x32A5, "(中)"},
                                         {0x32A6, "(下)"},
                                         {0x32A7, "(左)"},
                                         {0x32A8, "(右)"},
                                         {0x337B, "平成"},
                                         {0x337C, "昭和"},
                                         {0x337D, "大正"},
                                         {0x337E, "明治"},
                                         {0x301D, "“"},
                                         {0x301F, "”"},
                                         {0x2211, "Σ"},
                                         {0x339C, "mm"},
                                         {0x339D, "cm"},
                                         {0x339E, "km"},
                                         {0x338E, "mg"},
                                         {0x338F, "kg"},
                                         {0x33C4, "cc"},
                                         {0x33A1, "m\\textsuperscript{2}"},
                                         {0x3349, "ミリ"},
                                         {0x3314, "キロ"},
                                         {0x3322, "センチ"},
                                         {0x334D, "メートル"},
                                         {0x3318, "グラム"},
                                         {0x3327, "トン"},
                                         {0x3303, "アール"},
                                         {0x3336, "ヘクタール"},
                                         {0x3351, "リットル"},
                                         {0x3357, "ワット"},
                                         {0x330D, "カロリー"},
                                         {0x3326, "ドル"},
                                         {0x3323, "セント"},
                                         {0x332B, "パーセント"},
                                         {0x334A, "ミリバール"},
                                         {0x333B, "ページ"},
                                         // Kanji variants of the IBM extension that names often carry.
                                         {0x9AD9, "高"},
                                         {0xFA11, "崎"},
                                         {0x5FB7, "徳"},
                                         {0xFA10, "塚"},
                                         {0xFA19, "神"},
                                         {0xFA1B, "福"},
                                         {0xF9DC, "隆"}};

// True when the lead byte starts a JIS X 0208 character (rows 1-8, 16-84).
bool isJisLeadByte(unsigned char lead) {
    return (lead >= 0x81 && lead <= 0x84) || (lead >= 0x88 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEA);
}

// True when every character of the CP932 text is ASCII or JIS X 0208.
bool allJisX0208(std::string_view cp932) {
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const auto byte = static_cast<unsigned char>(cp932[i]);
        if (byte < 0x80) continue;
        if (!isJisLeadByte(byte) || i + 1 >= cp932.size()) return false;
        ++i;
    }
    return true;
}

// Control characters other than the line ends and the tab.
bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte == 0x7F || (byte < 0x20 && c != '\n' && c != '\r' && c != '\t');
}

bool hasControls(std::string_view s) {
    for (const char c : s) {
        if (isControl(c)) return true;
    }
    return false;
}

std::size_t asciiCount(std::string_view s) {
    std::size_t count = 0;
    for (const char c : s)
        count += static_cast<unsigned char>(c) < 0x80 ? 1 : 0;
    return count;
}

bool isPlainAscii(std::string_view s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80 || isControl(c)) return false;
    }
    return true;
}

// Appends the pLaTeX-safe form of the non-ASCII character `c`.
void appendSafeCharacterAfresh(std::string& out, char32_t c) {
    if (c == kInvalid) {
        out += kLatexMissingCharacter;
        return;
    }
    for (const auto& replacement : kReplacements) {
        if (replacement.from == c) {
            out += replacement.to;
            return;
        }
    }
    if (c >= 0x2460 && c <= 0x2473) { // ① .. ⑳
        out += '(';
        out += std::to_string(static_cast<int>(c - 0x2460 + 1));
        out += ')';
        return;
    }
    std::string utf8;
    appendUtf8(utf8, c);
    const TextConversion cp932 = utf8ToCp932(utf8);
    if (cp932.ok && allJisX0208(cp932.text)) {
        out += utf8;
    } else {
        out += kLatexMissingCharacter;
    }
}

// The same, with the answer for a character of the basic multilingual plane
// kept once it is known to be the character itself or the stand-in: a
// document asks for the same few characters over and over.
void appendSafeCharacter(std::string& out, char32_t c) {
    if (c > 0xFFFF) {
        appendSafeCharacterAfresh(out, c);
        return;
    }
    enum : std::uint8_t { kNotAsked, kItself, kMissing, kReplaced };
    thread_local std::unique_ptr<std::array<std::uint8_t, 0x10000>> known;
    if (!known) known = std::make_unique<std::array<std::uint8_t, 0x10000>>();
    std::uint8_t& answer = (*known)[c];
    switch (answer) {
    case kItself: appendUtf8(out, c); return;
    case kMissing: out += kLatexMissingCharacter; return;
    case kReplaced: appendSafeCharacterAfresh(out, c); return;
    default: break;
    }
    std::string itself;
    appendUtf8(itself, c);
    const std::size_t before = out.size();
    appendSafeCharacterAfresh(out, c);
    const std::string_view made(out.data() + before, out.size() - before);
    answer = made == itself ? kItself : made == kLatexMissingCharacter ? kMissing : kReplaced;
}

// Walks `utf8` and rewrites it character by character. `ascii` handles an
// ASCII character (it may escape it); the rest is made pLaTeX-safe.
template <typename AsciiFn> std::string rewrite(std::string_view utf8, AsciiFn ascii) {
    std::string out;
    out.reserve(utf8.size() + 16);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c = nextCodePoint(utf8, pos);
        if (c < 0x80) {
            ascii(out, static_cast<char>(c));
            continue;
        }
        if (c >= 0xFF61 && c <= 0xFF9F) {
            char32_t kana = kFullWidthKana[c - 0xFF61];
            // A following half-width voiced or semi-voiced mark joins the kana.
            std::size_t next = pos;
            if (next < utf8.size()) {
                const char32_t mark = nextCodePoint(utf8, next);
                if (mark == kHalfWidthVoiced || mark == kHalfWidthSemiVoiced) {
                    const char32_t joined = withMark(kana, mark == kHalfWidthSemiVoiced);
                    if (joined != 0) {
                        kana = joined;
                        pos = next;
                    }
                }
            }
            appendUtf8(out, kana);
            continue;
        }
        appendSafeCharacter(out, c);
    }
    return out;
}

// Most texts need no rewriting: one conversion of the whole text tells, and
// its code page 932 bytes are the document's. (The count of ASCII bytes
// catches "¥" and "‾", which code page 932 turns into ASCII.)
std::optional<std::string> cp932IfSafeAsItIs(std::string_view utf8) {
    if (hasControls(utf8)) return std::nullopt;
    TextConversion whole = utf8ToCp932(utf8);
    if (whole.ok && allJisX0208(whole.text) && asciiCount(whole.text) == asciiCount(utf8)) {
        return std::move(whole.text);
    }
    return std::nullopt;
}

std::string rewriteForPlatex(std::string_view utf8) {
    return rewrite(utf8, [](std::string& out, char c) { out += isControl(c) ? ' ' : c; });
}

// The document bytes of each character of the basic multilingual plane
// whose bytes do not depend on its neighbours, found once per character and
// thread by the whole conversion of the character alone. A text of such
// characters is their bytes side by side: the whole conversion either takes
// the code page 932 text as it is (every character is then one whose own
// conversion is that code) or rewrites character by character and converts
// the result, code page 932 being free of context. Half-width katakana,
// which join a following mark, and bytes longer than two are left to the
// whole conversion.
class PlatexBytes {
public:
    // Appends the document bytes of `utf8`; false (with `out` partly
    // written) when a character is not one of those above or the UTF-8 is
    // broken.
    bool append(std::string_view utf8, std::string& out) {
        for (std::size_t pos = 0; pos < utf8.size();) {
            // A run of ASCII without controls goes in one piece.
            std::size_t end = pos;
            while (end < utf8.size() && kPlainAscii[static_cast<unsigned char>(utf8[end])])
                ++end;
            out.append(utf8.data() + pos, end - pos);
            pos = end;
            if (pos >= utf8.size()) break;
            const char c = utf8[pos];
            if (static_cast<unsigned char>(c) < 0x80) {
                out += ' '; // a control
                ++pos;
                continue;
            }
            const char32_t code = nextCodePoint(utf8, pos);
            if (code > 0xFFFF) return false; // outside the plane, or broken (kInvalid)
            const std::uint32_t entry = entryOf(code);
            if (entry == kNotKnown) return false;
            if (entry >= kTwoBytes) out += static_cast<char>((entry >> 8) & 0xFF);
            out += static_cast<char>(entry & 0xFF);
        }
        return true;
    }

private:
    // ASCII bytes that stand for themselves: all but the controls (the line
    // ends and the tab excepted).
    static constexpr std::array<bool, 256> kPlainAscii = [] {
        std::array<bool, 256> table{};
        for (std::size_t b = 0x20; b < 0x7F; ++b)
            table[b] = true;
        table['\n'] = true;
        table['\r'] = true;
        table['\t'] = true;
        return table;
    }();

    // An entry: 0 not asked yet, kNotKnown, or the bytes with kOneByte or kTwoBytes.
    static constexpr std::uint32_t kNotKnown = 1;
    static constexpr std::uint32_t kOneByte = 0x10000;
    static constexpr std::uint32_t kTwoBytes = 0x20000;

    std::uint32_t entryOf(char32_t code) {
        if (!entries_) entries_ = std::make_unique<std::array<std::uint32_t, 0x10000>>();
        std::uint32_t& entry = (*entries_)[code];
        if (entry == 0) entry = find(code);
        return entry;
    }

    static std::uint32_t find(char32_t code) {
        if (code >= 0xFF61 && code <= 0xFF9F) return kNotKnown;
        std::string alone;
        appendUtf8(alone, code);
        const std::string rewritten = toCp932(rewriteForPlatex(alone));
        // A character taken as it is must be its rewritten bytes too.
        if (const std::optional<std::string> asItIs = cp932IfSafeAsItIs(alone); asItIs && *asItIs != rewritten) {
            return kNotKnown;
        }
        const auto byte = [&rewritten](std::size_t i) { return static_cast<unsigned char>(rewritten[i]); };
        if (rewritten.size() == 1) return kOneByte | byte(0);
        if (rewritten.size() == 2) return kTwoBytes | (std::uint32_t{byte(0)} << 8) | byte(1);
        return kNotKnown;
    }

    std::unique_ptr<std::array<std::uint32_t, 0x10000>> entries_;
};

} // namespace

std::string toPlatexCharacters(std::string_view utf8) {
    if (isPlainAscii(utf8)) return std::string(utf8);
    if (cp932IfSafeAsItIs(utf8)) return std::string(utf8);
    return rewriteForPlatex(utf8);
}

std::string toPlatexCp932(std::string_view utf8) {
    thread_local PlatexBytes known;
    std::string bytes;
    bytes.reserve(utf8.size());
    if (known.append(utf8, bytes)) return bytes;
    // ASCII is the same in code page 932.
    if (isPlainAscii(utf8)) return std::string(utf8);
    if (std::optional<std::string> cp932 = cp932IfSafeAsItIs(utf8)) return std::move(*cp932);
    return toCp932(rewriteForPlatex(utf8));
}

std::string escapeLatexText(std::string_view utf8) {
    return rewrite(utf8, [](std::string& out, char c) {
        switch (c) {
        case '#': out += "\\#"; break;
        case '$': out += "\\$"; break;
        case '%': out += "\\%"; break;
        case '&': out += "\\&"; break;
        case '_': out += "\\_"; break;
        case '{': out += "\\{"; break;
        case '}': out += "\\}"; break;
        case '~': out += "\\textasciitilde{}"; break;
        case '^': out += "\\textasciicircum{}"; break;
        case '\\': out += "\\textbackslash{}"; break;
        case '<': out += "$<$"; break;
        case '>': out += "$>$"; break;
        case '|': out += "$|$"; break;
        default: {
            const auto byte = static_cast<unsigned char>(c);
            out += byte < 0x20 || byte == 0x7F ? ' ' : c;
        }
        }
    });
}

} // namespace tarvo
