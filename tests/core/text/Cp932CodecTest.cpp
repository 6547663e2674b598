#include "core/text/Cp932Codec.h"

#include <gtest/gtest.h>

#include <random>

namespace tarvo {
namespace {

std::string bytes(std::initializer_list<unsigned> list) {
    std::string s;
    for (const unsigned b : list)
        s.push_back(static_cast<char>(b));
    return s;
}

TEST(Cp932Codec, WindowsVariantCharactersMapToTheirCodePage932Bytes) {
    EXPECT_EQ(toCp932("～"), bytes({0x81, 0x60}));
    EXPECT_EQ(toCp932("①"), bytes({0x87, 0x40}));
    EXPECT_EQ(toCp932("髙"), bytes({0xFB, 0xFC}));
    EXPECT_EQ(toCp932("ｱ"), bytes({0xB1}));
    EXPECT_EQ(toCp932("１階外壁間柱").size(), 12u);
}

TEST(Cp932Codec, JapaneseTextRoundTrips) {
    for (const std::string text : {"～①髙", "ｱﾗｽﾗｲｴﾛｰｼﾀﾞｰ", "１階外壁間柱", "べいすぎ ", "常　時", "Tarvo 1.0", ""}) {
        const TextConversion there = utf8ToCp932(text);
        ASSERT_TRUE(there.ok) << text;
        const TextConversion back = cp932ToUtf8(there.text);
        ASSERT_TRUE(back.ok) << text;
        EXPECT_EQ(back.text, text);
    }
}

// Characters met before are converted from their kept codes; the bytes stay
// those of the whole conversion, and a problem among known characters is
// still found where it stands.
TEST(Cp932Codec, KnownCharactersConvertAgainToTheSameBytes) {
    const std::string text = "１階外壁間柱 ｱﾗｽ ～①髙 常　時";
    const std::string first = toCp932(text);
    EXPECT_EQ(toCp932(text), first);
    EXPECT_EQ(toCp932(text + text), first + first);
    EXPECT_EQ(cp932ToUtf8(first).text, text);

    const TextConversion withoutCode = utf8ToCp932("１階€柱");
    EXPECT_FALSE(withoutCode.ok);
    EXPECT_EQ(withoutCode.errorOffset, 6u);
    EXPECT_EQ(withoutCode.text, toCp932("１階") + "?" + toCp932("柱"));
    // A surrogate and an overlong form between known characters are broken UTF-8.
    EXPECT_FALSE(utf8ToCp932("柱\xED\xA0\x80柱").ok);
    EXPECT_FALSE(utf8ToCp932("柱\xE0\x80\xAF柱").ok);
    EXPECT_FALSE(utf8ToCp932("柱\xC1\xBF").ok);
}

TEST(Cp932Codec, InvalidByteIsReportedAtItsOffsetAndReplaced) {
    const TextConversion r = cp932ToUtf8(bytes({'A', 0x80, 'B'}));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorOffset, 1u);
    EXPECT_EQ(r.text, "A\xEF\xBF\xBD"
                      "B");
}

TEST(Cp932Codec, LeadByteCutOffAtTheEndIsReported) {
    const std::string text = toCp932("柱");
    const TextConversion r = cp932ToUtf8("ab" + text.substr(0, 1));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorOffset, 2u);
    EXPECT_EQ(r.text, "ab\xEF\xBF\xBD");
}

TEST(Cp932Codec, CharacterWithoutCodeBecomesQuestionMarkAndIsReported) {
    const TextConversion r = utf8ToCp932("柱€x");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorOffset, 3u); // byte offset of "€" in the UTF-8 input
    EXPECT_EQ(r.text, toCp932("柱") + "?x");
}

TEST(Cp932Codec, BrokenUtf8KeepsTheFollowingAscii) {
    const TextConversion r = utf8ToCp932(bytes({0xE6, 0x9F, 'x'}));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorOffset, 0u);
    EXPECT_EQ(r.text, "?x");
}

TEST(Cp932Codec, AnyByteSequenceConvertsWithoutFailure) {
    std::mt19937 random(932);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 2000; ++round) {
        std::string in(static_cast<std::size_t>(round % 40), '\0');
        for (char& c : in)
            c = static_cast<char>(byte(random));
        const TextConversion a = cp932ToUtf8(in);
        const TextConversion b = utf8ToCp932(in);
        if (!a.ok) {
            EXPECT_LT(a.errorOffset, in.size());
        }
        if (!b.ok) {
            EXPECT_LT(b.errorOffset, in.size());
        }
    }
}

TEST(Cp932Codec, LongTextIsConvertedWhole) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "木造柱の設計";
    const TextConversion r = utf8ToCp932(text);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text.size(), 12000u);
    EXPECT_EQ(toUtf8(r.text), text);
}

} // namespace
} // namespace tarvo
