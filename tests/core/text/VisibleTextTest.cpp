#include "core/text/VisibleText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tarvo {
namespace {

TEST(VisibleText, ControlsBecomeSymbolsAndOtherTextStays) {
    EXPECT_EQ(visibleText("柱 C1"), "柱 C1");
    EXPECT_EQ(visibleText("a\x1b[31mb"), "a␛[31mb");
    EXPECT_EQ(visibleText("\x07\x7f"), "␇␡");
    // C1 controls, at the start, the middle and the end.
    EXPECT_EQ(visibleText("\xc2\x9b"
                          "x\xc2\x85y\xc2\x80"),
              "<U+009B>x<U+0085>y<U+0080>");
    // A lead byte of C1 cut off at the end, and U+00A0 (no control), are copied.
    EXPECT_EQ(visibleText("z\xc2"), "z\xc2");
    EXPECT_EQ(visibleText("\xc2\xa0"), "\xc2\xa0");
}

TEST(VisibleText, AppendKeepsWhatIsThere) {
    std::string line = "No. ";
    appendVisibleText(line, "C\r1");
    appendVisibleText(line, "");
    EXPECT_EQ(line, "No. C␍1");
}

// A control is found wherever it stands in a long text, also inside the
// runs that are passed over eight bytes at a time.
TEST(VisibleText, FindsEveryControlOfALongText) {
    const std::pair<std::string, std::string> controls[] = {
        {"\x1b", "␛"}, {"\x7f", "␡"}, {"\xc2\x9b", "<U+009B>"}, {"\x01", "␁"}};
    for (const auto& [control, shown] : controls) {
        for (std::size_t length = 0; length < 20; ++length) {
            for (std::size_t at = 0; at <= length; ++at) {
                std::string text(length, 'k');
                std::string expected = text;
                text.insert(at, control);
                expected.insert(at, shown);
                ASSERT_EQ(visibleText(text), expected) << length << " " << at;
            }
        }
    }
    // Text near a C1 lead byte without a control stays as it is.
    EXPECT_EQ(visibleText("柱の設計 ±0.5 · 柱の設計"), "柱の設計 ±0.5 · 柱の設計");
}

} // namespace
} // namespace tarvo
