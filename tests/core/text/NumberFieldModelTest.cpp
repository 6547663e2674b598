#include "core/text/NumberFieldModel.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace tarvo {
namespace {

NumberFieldModel field(NumType type, int digits, NumSign sign = NumSign::Signed, NumCutMode mode = NumCutMode::Round) {
    NumberFieldModel m;
    m.setType(type);
    m.setDigits(digits);
    m.setSignState(sign);
    m.setCutMode(mode);
    return m;
}

NumberFieldModel realField(int digits, NumSign sign = NumSign::Signed) {
    return field(NumType::Double, digits, sign);
}

TEST(NumberFieldModel, DigitsDependOnTheTypeSetBefore) {
    NumberFieldModel m = realField(-5);
    EXPECT_EQ(m.digits(), -1);
    m.setType(NumType::Int);
    m.setDigits(-1);
    EXPECT_EQ(m.digits(), 0);
    m.setDigits(40);
    EXPECT_EQ(m.digits(), 18);
}

TEST(NumberFieldModel, RealRoundingTakesHalvesAwayFromZeroOnTheTypedDecimals) {
    NumberFieldModel m = realField(2);
    // 2.675 and 1.005 are typed halves although their nearest doubles lie below.
    const std::pair<const char*, const char*> cases[] = {{"1.125", "1.13"}, {"-1.125", "-1.13"}, {"2.675", "2.68"},
                                                         {"1.005", "1.01"}, {"0.994", "0.99"},   {"9.995", "10.00"},
                                                         {"-0.004", "0.00"}};
    for (const auto& [typed, shown] : cases)
        EXPECT_EQ(m.valueUpdate(typed), shown) << typed;
    EXPECT_FALSE(std::signbit(m.value()));
    m.setCutMode(NumCutMode::None); // the value stays, the text is rounded
    EXPECT_EQ(m.setValue(1.125), "1.13");
    EXPECT_EQ(m.value(), 1.125);
}

TEST(NumberFieldModel, WholeNumbersRoundUpOrDownToTheirPlaces) {
    struct Case {
        int digits;
        NumCutMode mode;
        double value;
        const char* shown;
    } const cases[] = {
        {0, NumCutMode::Round, 2.5, "3"},
        {0, NumCutMode::Round, -2.5, "-3"},
        {0, NumCutMode::Down, 2.9, "2"},
        {0, NumCutMode::Up, 2.1, "3"},
        {0, NumCutMode::Up, -2.1, "-3"},
        {2, NumCutMode::Round, 1234, "1200"},
        {2, NumCutMode::Round, 1250, "1300"},
        {2, NumCutMode::Round, -1250, "-1300"},
        {2, NumCutMode::Round, 49, "0"},
        {2, NumCutMode::Round, 99960, "100000"},
        // Without a cut a whole-number field still holds a whole number, as its
        // text and an int variable must agree.
        {0, NumCutMode::None, 2.5, "3"},
        {-1, NumCutMode::Round, 2.5, "3"},
    };
    for (const Case& c : cases) {
        NumberFieldModel m; // a whole-number field, digits -1 by default
        m.setCutMode(c.mode);
        if (c.digits >= 0) m.setDigits(c.digits);
        EXPECT_EQ(m.setValue(c.value), c.shown) << c.value;
        EXPECT_EQ(m.value(), std::stod(c.shown)) << c.value;
    }
}

TEST(NumberFieldModel, CheckTakesSignThenRoundingThenLimitsThenZero) {
    NumberFieldModel m = realField(1, NumSign::Unsigned);
    EXPECT_EQ(m.valueUpdate("-2.35"), "2.4");
    m.setUseMax(true);
    m.setValueMax(10);
    EXPECT_EQ(m.valueUpdate("12"), "10.0");
    m.setSignState(NumSign::Signed);
    m.setUseMin(true);
    m.setValueMin(0.5);
    m.setZeroValue(0.25);
    EXPECT_EQ(m.valueUpdate("0.02"), "0.5"); // 0.0 after rounding, then the minimum
    m.setUseMin(false);
    EXPECT_EQ(m.valueUpdate("0.02"), "0.3"); // the replacement 0.25, shown with one decimal
    EXPECT_EQ(m.value(), 0.25);
}

TEST(NumberFieldModel, PieceCountFieldIsAtLeastOne) {
    int members = 7;
    NumberFieldModel m = field(NumType::Int, 0, NumSign::Unsigned);
    m.setUseMin(true);
    m.setValueMin(1);
    m.setZeroValue(1);
    m.link(&members);
    for (const char* typed : {"", "0", "abc"}) {
        members = 5;
        EXPECT_EQ(m.valueUpdate(typed), "1") << typed;
        EXPECT_EQ(members, 1) << typed;
    }
    EXPECT_EQ(m.valueUpdate("-3"), "3"); // a pasted minus: the magnitude
    EXPECT_FALSE(m.acceptsKey(U'-', "", 0, 0, 0));
    m.linkOff();
    EXPECT_EQ(m.text(), "1");
}

TEST(NumberFieldModel, HiddenZeroShowsAnEmptyTextAndHoldsZero) {
    double force = 12.5;
    NumberFieldModel m = realField(1, NumSign::Unsigned);
    m.setZeroVisible(false);
    m.link(&force);
    EXPECT_EQ(m.text(), "12.5");
    EXPECT_EQ(m.valueUpdate(""), "");
    EXPECT_EQ(force, 0.0);
    EXPECT_EQ(m.valueUpdate("0.04"), ""); // rounds to 0
}

TEST(NumberFieldModel, TextIsFixedNotation) {
    EXPECT_EQ(realField(2).setValue(1e20), "100000000000000000000.00");
    NumberFieldModel free = realField(-1); // shortest form, no binary noise
    EXPECT_EQ(free.setValue(0.1), "0.1");
    EXPECT_EQ(free.setValue(100000), "100000");
    EXPECT_EQ(free.setValue(1e-7), "0.0000001");
    EXPECT_EQ(field(NumType::Int, 0).setValue(123456789), "123456789");
}

TEST(NumberFieldModel, TypedTextIsReadInTheCLocaleForm) {
    NumberFieldModel m = realField(2);
    const std::pair<const char*, const char*> cases[] = {{"1e5", "100000.00"}, {"  2.5\t", "2.50"}, {"+3", "3.00"},
                                                         {".5", "0.50"},       {"5.", "5.00"},      {"1.5E-1", "0.15"},
                                                         {"-1e-2", "-0.01"}};
    for (const auto& [typed, shown] : cases)
        EXPECT_EQ(m.valueUpdate(typed), shown) << typed;
}

TEST(NumberFieldModel, TextThatIsNoFiniteNumberGivesZero) {
    for (const char* text : {"", "-", ".", "e5", "1e", "1,5", "1 5", "--5", "+-5", "0x10", "12abc", "inf", "-inf",
                             "infinity", "nan", "1e400", "-1e400", "1e-400"}) {
        NumberFieldModel m = realField(2);
        m.setValue(7);
        EXPECT_EQ(m.valueUpdate(text), "0.00") << '"' << text << '"';
    }
    EXPECT_EQ(NumberFieldModel::parseNumber("1e308"), 1e308);
}

TEST(NumberFieldModel, ExtremeValuesStayFiniteAndFormattable) {
    NumberFieldModel m = field(NumType::Double, 18, NumSign::Signed, NumCutMode::Up);
    m.setValue(std::numeric_limits<double>::max());
    EXPECT_EQ(m.value(), std::numeric_limits<double>::max());
    EXPECT_EQ(m.text().size(), 309U + 1U + 18U);
    EXPECT_EQ(m.setValue(std::numeric_limits<double>::denorm_min()), "0.000000000000000001");
    for (double bad : {std::nan(""), -HUGE_VAL}) {
        m.setValue(bad);
        EXPECT_EQ(m.value(), 0.0);
    }
    EXPECT_EQ(field(NumType::Int, 18).setValue(1e300), "1" + std::string(300, '0'));
}

TEST(NumberFieldModel, AFieldThatRefusesOutOfRangeTextNamesItsRange) {
    // An axial force: one decimal, unsigned, up to 1,000,000.
    NumberFieldModel force;
    force.setType(NumType::Double);
    force.setDigits(1);
    force.setSignState(NumSign::Unsigned);
    force.setUseMax(true);
    force.setValueMax(1000000);
    EXPECT_EQ(force.refusal("1e12"), "") << "a field that clamps refuses nothing";
    force.setRefusesOutOfRange(true);
    const std::string range = "入力できる値は 0.0 〜 1000000.0 です。";
    for (const char* taken : {"", "  ", "0", "12.5", "1000000", "1000000.04", "1e6"})
        EXPECT_EQ(force.refusal(taken), "") << taken;
    for (const char* refused : {"1e12", "1000000.1", "1e400"})
        EXPECT_EQ(force.refusal(refused), range) << refused;
    EXPECT_EQ(force.refusal(std::string(321, '9')), range) << "321 digits";
    EXPECT_EQ(force.refusal("1e"), "数値ではありません。" + range);
    EXPECT_EQ(force.refusal("1.2.3"), "数値ではありません。" + range);

    // A piece count: 0 stands for the least, 1; nothing below it otherwise.
    NumberFieldModel pieces;
    pieces.setType(NumType::Int);
    pieces.setUseMin(true);
    pieces.setValueMin(1);
    pieces.setZeroValue(1);
    pieces.setUseMax(true);
    pieces.setValueMax(1000);
    pieces.setRefusesOutOfRange(true);
    EXPECT_EQ(pieces.refusal("0"), "");
    EXPECT_EQ(pieces.refusal("1001"), "入力できる値は 1 〜 1000 です。");
}

TEST(NumberFieldModel, DoubleLinkIsReadOnShowAndWrittenOnLeave) {
    double cf = 3.456;
    NumberFieldModel m = realField(2, NumSign::Unsigned);
    m.setUseMax(true);
    m.setValueMax(5);
    m.link(&cf);
    EXPECT_EQ(m.text(), "3.46");
    EXPECT_EQ(cf, 3.456); // showing never writes: a value beyond the limits stays
    cf = 5000;
    EXPECT_EQ(m.showUpdate(), "5.00");
    EXPECT_EQ(cf, 5000);
    cf = std::nan("");
    EXPECT_EQ(m.showUpdate(), "0.00");
    m.valueUpdate("-4.125");
    EXPECT_DOUBLE_EQ(cf, 4.13);
}

TEST(NumberFieldModel, IntLinkTakesTheValueTruncatedTowardZero) {
    int n = 0;
    NumberFieldModel real = realField(1);
    real.link(&n);
    real.valueUpdate("2.7");
    EXPECT_EQ(n, 2);
    real.valueUpdate("-2.7");
    EXPECT_EQ(n, -2);
    NumberFieldModel whole = field(NumType::Int, 0);
    whole.link(&n);
    EXPECT_EQ(whole.valueUpdate("1e12"), "2147483647"); // the field holds what the int can
    EXPECT_EQ(n, INT_MAX);
    EXPECT_EQ(whole.valueUpdate("-1e12"), "-2147483648");
    EXPECT_EQ(n, INT_MIN);
}

TEST(NumberFieldModel, ReadOnlyAndUnlinkedFieldsWriteNothing) {
    double v = 1.0;
    NumberFieldModel m = realField(1);
    m.link(&v);
    m.setReadOnly(true);
    EXPECT_EQ(m.valueUpdate("9"), "9.0");
    m.setValue(8);
    EXPECT_EQ(v, 1.0);
    m.setReadOnly(false);
    m.linkOff();
    EXPECT_EQ(m.value(), 0.0);
    m.valueUpdate("3");
    EXPECT_EQ(v, 1.0);
}

TEST(NumberFieldModel, DigitsBackspaceAndEscAreAlwaysTakenOtherCharactersNever) {
    const NumberFieldModel real = realField(2);
    for (char32_t c : {U'0', U'5', U'9', U'\b', U'\x1b'})
        EXPECT_TRUE(real.acceptsKey(c, "12", 1, -1, 0));
    for (char32_t c : {U'a', U'+', U',', U' ', U'\r', U'\x16', U'１', U'．'}) {
        EXPECT_FALSE(real.acceptsKey(c, "12", 2, -1, 0)) << static_cast<unsigned>(c);
    }
}

TEST(NumberFieldModel, MinusGoesFirstInASignedFieldOrAfterARealExponent) {
    const NumberFieldModel real = realField(2);
    EXPECT_TRUE(real.acceptsKey(U'-', "12", 0, -1, 0));
    EXPECT_FALSE(real.acceptsKey(U'-', "12", 1, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'-', "1E", 2, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'-', "12.5", 4, 0, 4)); // replaces the selected text
    const NumberFieldModel unsignedReal = realField(2, NumSign::Unsigned);
    EXPECT_FALSE(unsignedReal.acceptsKey(U'-', "12", 0, 0, 2));
    EXPECT_TRUE(unsignedReal.acceptsKey(U'-', "1e", 2, -1, 0));
    const NumberFieldModel unsignedWhole = field(NumType::Int, 0, NumSign::Unsigned);
    EXPECT_FALSE(unsignedWhole.acceptsKey(U'-', "", 0, -1, 0));
    EXPECT_FALSE(unsignedWhole.acceptsKey(U'-', "1e", 2, -1, 0));
}

TEST(NumberFieldModel, PointAndExponentOnceInARealField) {
    const NumberFieldModel real = realField(2);
    EXPECT_FALSE(real.acceptsKey(U'.', "1.2", 3, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'.', "1.2", 1, 1, 1));  // replaces the selected "."
    EXPECT_FALSE(real.acceptsKey(U'.', "1.2", 3, 2, 1)); // the "." stays
    EXPECT_TRUE(real.acceptsKey(U'e', "15", 2, -1, 0));
    EXPECT_FALSE(real.acceptsKey(U'E', "15", 0, -1, 0));
    EXPECT_FALSE(real.acceptsKey(U'e', "15", 2, 0, 2)); // would go first
    EXPECT_FALSE(real.acceptsKey(U'E', "1e5", 3, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'e', "1E5", 2, 1, 1));
    EXPECT_TRUE(real.acceptsKey(U'e', "12", 99, -1, 0)); // positions are clamped to the text
    const NumberFieldModel whole = field(NumType::Int, 0);
    EXPECT_FALSE(whole.acceptsKey(U'.', "12", 2, -1, 0));
    EXPECT_FALSE(whole.acceptsKey(U'e', "12", 2, -1, 0));
}

} // namespace
} // namespace tarvo
