#include "core/text/TextFileDecoding.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

// "１階柱" in code page 932.
const std::string kCp932Name = "\x82\x50\x8A\x4B\x92\x8C";

TEST(TextFileDecodingUtf8, TextWithoutMarkIsTakenAsItIs) {
    const DecodedTextFile d = decodeTextFile("Name,B\n１階柱,105\n");
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.encoding, TextFileEncoding::Utf8);
    EXPECT_EQ(d.text, "Name,B\n１階柱,105\n");
}

TEST(TextFileDecodingUtf8, ByteOrderMarkIsDropped) {
    const DecodedTextFile d = decodeTextFile(std::string(kUtf8ByteOrderMark) + "Name\n柱\n");
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.encoding, TextFileEncoding::Utf8WithBom);
    EXPECT_EQ(d.text, "Name\n柱\n");
}

TEST(TextFileDecodingUtf8, EmptyFileIsEmptyUtf8) {
    const DecodedTextFile d = decodeTextFile("");
    EXPECT_TRUE(d.ok);
    EXPECT_TRUE(d.text.empty());
}

TEST(TextFileDecodingUtf8, MalformedSequencesAreNoUtf8) {
    std::size_t bad = 99;
    EXPECT_TRUE(isValidUtf8("a\xE6\x9F\xB1z"));    // 柱
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));  // U+1F600
    EXPECT_FALSE(isValidUtf8("ab\xC0\x80", &bad)); // overlong NUL
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE6\x9F", &bad));   // cut at the end
    EXPECT_EQ(bad, 0u);
    EXPECT_FALSE(isValidUtf8("\x80"));
}

TEST(TextFileDecodingCp932, TextThatIsNoUtf8IsReadAsCodePage932) {
    const DecodedTextFile d = decodeTextFile("Name\r\n" + kCp932Name + "\r\n");
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.encoding, TextFileEncoding::Cp932);
    EXPECT_EQ(d.text, "Name\r\n１階柱\r\n");
}

TEST(TextFileDecodingRefused, BytesThatAreNeitherGiveTheirOffset) {
    // 0x80 is no CP932 byte; it is the first problem after the valid name.
    const DecodedTextFile d = decodeTextFile("Name\n" + kCp932Name + "\x80\n");
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.errorOffset, 5u + kCp932Name.size());
    EXPECT_TRUE(d.text.empty());
}

TEST(TextFileDecodingRefused, TheReadingThatGotFurtherNamesTheDamage) {
    // Mostly UTF-8, one name in code page 932 near the end. (The UTF-8 of
    // "　" ends in 0x80, which code page 932 does not have.)
    const std::string utf8 = "Name\n柱　A\n柱　B\n";
    EXPECT_EQ(decodeTextFile(utf8 + kCp932Name + "\n").errorOffset, utf8.size());
    // Mostly code page 932, one stray byte near the end.
    const std::string cp932 = "Name\n" + kCp932Name + "\n" + kCp932Name + "\n";
    EXPECT_EQ(decodeTextFile(cp932 + "\xFF\n").errorOffset, cp932.size());
}

TEST(TextFileDecodingRefused, MarkedUtf8IsNotGuessedFurther) {
    const DecodedTextFile d = decodeTextFile(std::string(kUtf8ByteOrderMark) + "Name\n" + kCp932Name);
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.encoding, TextFileEncoding::Utf8WithBom);
    EXPECT_EQ(d.errorOffset, 3u + 5u);
}

TEST(TextFileDecodingRefused, Utf16AndZeroBytesAreNoText) {
    const DecodedTextFile utf16 = decodeTextFile(std::string("\xFF\xFEN\0a\0", 6));
    EXPECT_FALSE(utf16.ok);
    EXPECT_EQ(utf16.encoding, TextFileEncoding::Utf16);
    const DecodedTextFile zero = decodeTextFile(std::string("Name\nab\0c\n", 10));
    EXPECT_FALSE(zero.ok);
    EXPECT_EQ(zero.errorOffset, 7u);
}

} // namespace
} // namespace tarvo
