// Text for pLaTeX: whatever a user types, the result holds only characters
// that pLaTeX sets from Shift-JIS, and TeX's special characters are escaped.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/report/LatexText.h"
#include "core/text/Cp932Codec.h"

namespace tarvo {
namespace {

// True when every character of the CP932 bytes is ASCII or JIS X 0208.
bool onlyJisX0208(std::string_view cp932) {
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        const auto byte = static_cast<unsigned char>(cp932[i]);
        if (byte < 0x80) continue;
        const bool jisLead =
            (byte >= 0x81 && byte <= 0x84) || (byte >= 0x88 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xEA);
        if (!jisLead || i + 1 >= cp932.size()) return false;
        ++i;
    }
    return true;
}

TEST(LatexTextTest, HalfWidthKatakanaBecomeFullWidth) {
    EXPECT_EQ(toPlatexCharacters("ｶﾞﾗｽ ﾊﾟﾈﾙ ｳﾞｨﾗ ﾎﾟｰﾁ"), "ガラス パネル ヴィラ ポーチ");
    EXPECT_EQ(toPlatexCharacters("｢ﾃﾞｯｷ｣､ﾄﾞｱ｡"), "「デッキ」、ドア。");
    // A mark that cannot join its kana stands alone in its full-width form.
    EXPECT_EQ(toPlatexCharacters("ｱﾞﾏﾟﾞ"), "ア゛マ゜゛");
}

TEST(LatexTextTest, ExtensionsOfCodePage932GetReadableForms) {
    EXPECT_EQ(toPlatexCharacters("柱①⑩⑳"), "柱(1)(10)(20)");
    EXPECT_EQ(toPlatexCharacters("区分Ⅲ ⅳ"), "区分III iv");
    EXPECT_EQ(toPlatexCharacters("№3 ㈱ ㎜ ㎏"), "No.3 (株) mm kg");
    EXPECT_EQ(toPlatexCharacters("髙﨑"), "高崎");
    EXPECT_EQ(toPlatexCharacters("¥100 ‾"), "￥100 ￣"); // CP932 would make them "\" and "~"
}

TEST(LatexTextTest, CharactersWithoutJisFormBecomeTheStandIn) {
    EXPECT_EQ(toPlatexCharacters("柱€😀"), "柱〓〓");
    EXPECT_EQ(toPlatexCharacters("a\xFF"
                                 "b\xE6\x9F"),
              "a〓b〓");
    EXPECT_EQ(toPlatexCharacters("\xC0\xAF"), "〓"); // overlong "/"
}

TEST(LatexTextTest, MarkupAndLineEndsAreKept) {
    const std::string latex = "\\item {\\bf 柱}\n\n$A=1\\,cm^2$\t% x\r\n";
    EXPECT_EQ(toPlatexCharacters(latex), latex);
    EXPECT_EQ(toPlatexCharacters("a\x01"
                                 "b\x7F"),
              "a b ");
}

TEST(LatexTextTest, EveryCharacterOfTheBasicPlaneEndsUpSettable) {
    for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::string utf8;
        if (c >= 0x800) utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(c >= 0x800 ? 0x80 | ((c >> 6) & 0x3F) : 0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
        const TextConversion bytes = utf8ToCp932(escapeLatexText(utf8));
        ASSERT_TRUE(bytes.ok && onlyJisX0208(bytes.text)) << "U+" << std::hex << static_cast<unsigned>(c);
    }
}

std::string utf8Of(char32_t c) {
    std::string utf8;
    if (c >= 0x10000) {
        utf8 += static_cast<char>(0xF0 | (c >> 18));
        utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    } else if (c >= 0x800) {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
    }
    if (c >= 0x800) {
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    } else {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
    }
    utf8 += static_cast<char>(0x80 | (c & 0x3F));
    return utf8;
}

// The document bytes are the settable characters in code page 932, however
// the text mixes characters taken as they are (also those whose second byte
// is an ASCII byte, "ソ", "表"), rewritten ones, joined kana, controls,
// characters outside the plane and broken bytes, and whether a character was
// met before or not.
TEST(LatexTextTest, DocumentBytesAreTheSettableCharactersInCodePage932) {
    const std::vector<std::string> pieces = {
        "A",        "#",    "\\",      "\n", "\t", "\x01", "\x7F", "柱", "ソ", "表",           "ー",           "φ",
        "×",        "＝",   "①",       "Ⅱ",  "㎡", "¥",    "‾",    "髙", "é",  "\xEF\xBD\xB6", "\xEF\xBE\x9E", "😀",
        "\xE6\x9F", "\xFF", "\xC2\xA0"};
    std::uint32_t state = 12345;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = 1 + round % 9;
        for (int i = 0; i < length; ++i) {
            state = state * 1103515245u + 12345u;
            text += pieces[(state >> 16) % pieces.size()];
        }
        ASSERT_EQ(toPlatexCp932(text), toCp932(toPlatexCharacters(text))) << text;
    }
    // Every character of the plane alone, then after plain text.
    for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const std::string text = "柱" + utf8Of(c) + "ソ";
        ASSERT_EQ(toPlatexCp932(text), toCp932(toPlatexCharacters(text)))
            << "U+" << std::hex << static_cast<unsigned>(c);
        ASSERT_EQ(toPlatexCp932(text), toCp932(toPlatexCharacters(text)))
            << "U+" << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_EQ(toPlatexCp932(utf8Of(0x1F600)), toCp932(std::string(kLatexMissingCharacter)));
}

TEST(LatexTextTest, SpecialCharactersAreEscaped) {
    EXPECT_EQ(escapeLatexText("#$%&_{}"), "\\#\\$\\%\\&\\_\\{\\}");
    EXPECT_EQ(escapeLatexText("~^\\"), "\\textasciitilde{}\\textasciicircum{}\\textbackslash{}");
    EXPECT_EQ(escapeLatexText("a<b>c|d"), "a$<$b$>$c$|$d");
    EXPECT_EQ(escapeLatexText("\\end{document}"), "\\textbackslash{}end\\{document\\}");
    EXPECT_EQ(escapeLatexText("通し柱\n(2)"), "通し柱 (2)");
    EXPECT_EQ(escapeLatexText("ｶ}"), "カ\\}");
}

} // namespace
} // namespace tarvo
