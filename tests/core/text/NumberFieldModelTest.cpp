#include "core/text/NumberFieldModel.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace tarvo {
namespace {

NumberFieldModel realField(int digits, NumSign sign = NumSign::Signed) {
    NumberFieldModel m;
    m.setType(NumType::Double);
    m.setDigits(digits);
    m.setSignState(sign);
    return m;
}

NumberFieldModel wholeField(int digits, NumCutMode mode = NumCutMode::Round) {
    NumberFieldModel m;
    m.setType(NumType::Int);
    m.setDigits(digits);
    m.setCutMode(mode);
    return m;
}

// The piece-count field: whole, unsigned, at least 1, 0 taken as 1.
NumberFieldModel pieceCountField() {
    NumberFieldModel m = wholeField(0);
    m.setSignState(NumSign::Unsigned);
    m.setUseMin(true);
    m.setValueMin(1);
    m.setZeroValue(1);
    return m;
}

TEST(NumberFieldModel, DefaultsAreASignedWholeNumberShownWithZero) {
    const NumberFieldModel m;
    EXPECT_EQ(m.type(), NumType::Int);
    EXPECT_EQ(m.signState(), NumSign::Signed);
    EXPECT_EQ(m.digits(), -1);
    EXPECT_EQ(m.cutMode(), NumCutMode::Round);
    EXPECT_EQ(m.format(), NumFormat::Fixed);
    EXPECT_TRUE(m.zeroVisible());
    EXPECT_FALSE(m.useMax());
    EXPECT_FALSE(m.useMin());
    EXPECT_EQ(m.zeroValue(), 0.0);
    EXPECT_FALSE(m.linked());
    EXPECT_EQ(m.text(), "0");
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
    EXPECT_EQ(m.valueUpdate("1.125"), "1.13");
    EXPECT_DOUBLE_EQ(m.value(), 1.13);
    EXPECT_EQ(m.valueUpdate("-1.125"), "-1.13");
    // The doubles nearest to these lie just below the half; the user typed a half.
    EXPECT_EQ(m.valueUpdate("2.675"), "2.68");
    EXPECT_EQ(m.valueUpdate("1.005"), "1.01");
    EXPECT_EQ(m.valueUpdate("0.994"), "0.99");
    EXPECT_EQ(m.valueUpdate("9.995"), "10.00");
    EXPECT_EQ(m.valueUpdate("-0.004"), "0.00"); // never "-0.00"
    EXPECT_FALSE(std::signbit(m.value()));
}

TEST(NumberFieldModel, WholeNumbersRoundUpOrDownToTheirPlaces) {
    NumberFieldModel m = wholeField(0);
    EXPECT_EQ(m.setValue(2.5), "3");
    EXPECT_EQ(m.setValue(-2.5), "-3");
    m.setCutMode(NumCutMode::Down);
    EXPECT_EQ(m.setValue(2.9), "2");
    m.setCutMode(NumCutMode::Up);
    EXPECT_EQ(m.setValue(2.1), "3");
    EXPECT_EQ(m.setValue(-2.1), "-3"); // up is away from zero
    EXPECT_EQ(m.setValue(7.0), "7");

    NumberFieldModel hundreds = wholeField(2);
    EXPECT_EQ(hundreds.setValue(1234), "1200");
    EXPECT_EQ(hundreds.setValue(1250), "1300");
    EXPECT_EQ(hundreds.setValue(-1250), "-1300");
    EXPECT_EQ(hundreds.setValue(49), "0");
    EXPECT_EQ(hundreds.setValue(50), "100");
    EXPECT_EQ(hundreds.setValue(99960), "100000");
}

TEST(NumberFieldModel, WholeNumberFieldsHoldWholeNumbersWithoutACutToo) {
    // Without a cut the text would show 3 while an int variable took 2.
    int piece = 0;
    NumberFieldModel none = wholeField(0, NumCutMode::None);
    none.link(&piece);
    EXPECT_EQ(none.valueUpdate("2.5"), "3");
    EXPECT_EQ(piece, 3);
    NumberFieldModel defaults; // digits -1
    EXPECT_EQ(defaults.setValue(2.5), "3");
    EXPECT_EQ(defaults.value(), 3.0);
}

TEST(NumberFieldModel, RealFieldsWithoutACutKeepTheValueAndRoundOnlyTheText) {
    NumberFieldModel m = realField(2);
    m.setCutMode(NumCutMode::None);
    EXPECT_EQ(m.setValue(1.125), "1.13");
    EXPECT_EQ(m.value(), 1.125);
    NumberFieldModel free = realField(-1);
    EXPECT_EQ(free.setValue(1.23456), "1.23456");
}

TEST(NumberFieldModel, CheckTakesSignThenRoundingThenLimitsThenZero) {
    NumberFieldModel m = realField(1, NumSign::Unsigned);
    EXPECT_EQ(m.valueUpdate("-2.35"), "2.4");
    m.setUseMax(true);
    m.setValueMax(10);
    EXPECT_EQ(m.valueUpdate("12"), "10.0");
    m.setSignState(NumSign::Signed);
    m.setUseMin(true);
    m.setValueMin(-1);
    EXPECT_EQ(m.valueUpdate("-5"), "-1.0");
    // 0 is replaced after the limits: the replacement may lie outside them.
    m.setValueMin(0.5);
    m.setZeroValue(0.25);
    EXPECT_EQ(m.valueUpdate("0.02"), "0.5"); // 0.0 after rounding, then the minimum
    m.setUseMin(false);
    EXPECT_EQ(m.valueUpdate("0.02"), "0.3"); // 0.25 shown with one decimal
    EXPECT_EQ(m.value(), 0.25);
}

TEST(NumberFieldModel, PieceCountFieldIsAtLeastOne) {
    int members = 7;
    NumberFieldModel m = pieceCountField();
    m.link(&members);
    EXPECT_EQ(m.valueUpdate(""), "1");
    EXPECT_EQ(members, 1);
    members = 5;
    EXPECT_EQ(m.valueUpdate("0"), "1");
    EXPECT_EQ(members, 1);
    EXPECT_EQ(m.valueUpdate("abc"), "1"); // pasted letters
    EXPECT_EQ(m.valueUpdate("-3"), "3");  // pasted minus: the magnitude
    EXPECT_EQ(m.valueUpdate("4"), "4");
    EXPECT_EQ(members, 4);
    EXPECT_FALSE(m.acceptsKey(U'-', "", 0, 0, 0));
}

TEST(NumberFieldModel, HiddenZeroShowsAnEmptyTextAndHoldsZero) {
    double force = 12.5;
    NumberFieldModel m = realField(1, NumSign::Unsigned);
    m.setZeroVisible(false);
    m.link(&force);
    EXPECT_EQ(m.text(), "12.5");
    EXPECT_EQ(m.valueUpdate(""), "");
    EXPECT_EQ(force, 0.0);
    EXPECT_EQ(m.value(), 0.0);
    EXPECT_EQ(m.valueUpdate("0.04"), ""); // rounds to 0
    m.setZeroVisible(true);
    EXPECT_EQ(m.text(), "0.0");
}

TEST(NumberFieldModel, TextIsFixedWithTheFieldsDecimals) {
    NumberFieldModel m = realField(2);
    EXPECT_EQ(m.setValue(1.5), "1.50");
    EXPECT_EQ(m.setValue(0), "0.00");
    EXPECT_EQ(m.setValue(1e20), "100000000000000000000.00");
    NumberFieldModel free = realField(-1);
    EXPECT_EQ(free.setValue(0.1), "0.1"); // shortest form, no binary noise
    EXPECT_EQ(free.setValue(100000), "100000");
    EXPECT_EQ(free.setValue(1e-7), "0.0000001");
    EXPECT_EQ(free.setValue(-2.5), "-2.5");
    NumberFieldModel whole = wholeField(0);
    EXPECT_EQ(whole.setValue(123456789), "123456789");
    NumberFieldModel general = realField(-1);
    general.setFormat(NumFormat::General);
    EXPECT_EQ(general.setValue(1e30), "1e+30");
    EXPECT_EQ(general.setValue(0.25), "0.25");
}

TEST(NumberFieldModel, TypedTextIsReadInTheCLocaleForm) {
    NumberFieldModel m = realField(2);
    EXPECT_EQ(m.valueUpdate("1e5"), "100000.00");
    EXPECT_EQ(m.valueUpdate("  2.5\t"), "2.50");
    EXPECT_EQ(m.valueUpdate("+3"), "3.00");
    EXPECT_EQ(m.valueUpdate(".5"), "0.50");
    EXPECT_EQ(m.valueUpdate("5."), "5.00");
    EXPECT_EQ(m.valueUpdate("1.5E-1"), "0.15");
    EXPECT_EQ(m.valueUpdate("-1e-2"), "-0.01");
}

TEST(NumberFieldModel, TextThatIsNoFiniteNumberGivesZero) {
    for (const char* text :
         {"",     " ",   "-",     ".",   "e5",   "1e",       "1.5e+", "1,5", "1 5",   "--5",    "+-5",   "++5",
          "0x10", "abc", "12abc", "inf", "-inf", "infinity", "nan",   "NaN", "1e400", "-1e400", "1e-400"}) {
        NumberFieldModel m = realField(2);
        m.setValue(7);
        EXPECT_EQ(m.valueUpdate(text), "0.00") << '"' << text << '"';
        EXPECT_EQ(m.value(), 0.0) << '"' << text << '"';
    }
    EXPECT_FALSE(NumberFieldModel::parseNumber("1e309").has_value());
    EXPECT_EQ(NumberFieldModel::parseNumber("1e308"), 1e308);
}

TEST(NumberFieldModel, ExtremeValuesStayFiniteAndFormattable) {
    NumberFieldModel m = realField(18);
    m.setCutMode(NumCutMode::Up);
    m.setValue(std::numeric_limits<double>::max());
    EXPECT_EQ(m.value(), std::numeric_limits<double>::max());
    EXPECT_EQ(m.text().size(), 309U + 1U + 18U);
    m.setValue(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(m.text(), "0.000000000000000001");
    m.setValue(std::nan(""));
    EXPECT_EQ(m.value(), 0.0);
    m.setValue(-HUGE_VAL);
    EXPECT_EQ(m.value(), 0.0);
    NumberFieldModel whole = wholeField(18);
    const std::string shown = whole.setValue(1e300);
    EXPECT_EQ(shown, "1" + std::string(300, '0'));
    EXPECT_EQ(whole.value(), 1e300);
}

TEST(NumberFieldModel, DoubleLinkIsReadOnShowAndWrittenOnLeave) {
    double height = 3.456;
    NumberFieldModel m = realField(2, NumSign::Unsigned);
    m.link(&height);
    EXPECT_TRUE(m.linked());
    EXPECT_EQ(m.text(), "3.46");
    EXPECT_EQ(height, 3.456); // linking shows, it does not write
    height = 7.25;
    EXPECT_EQ(m.showUpdate(), "7.25");
    m.valueUpdate("8.125");
    EXPECT_DOUBLE_EQ(height, 8.13);
    m.setValue(-1.5);
    EXPECT_EQ(height, 1.5);
}

TEST(NumberFieldModel, ShowingAVariableOutsideTheLimitsDoesNotChangeIt) {
    double cf = 5000;
    NumberFieldModel m = realField(3);
    m.setUseMax(true);
    m.setValueMax(2);
    m.link(&cf);
    EXPECT_EQ(m.showUpdate(), "2.000");
    EXPECT_EQ(cf, 5000);
    cf = std::nan("");
    EXPECT_EQ(m.showUpdate(), "0.000");
    EXPECT_TRUE(std::isnan(cf));
    m.valueUpdate(m.text());
    EXPECT_EQ(cf, 0.0);
}

TEST(NumberFieldModel, IntLinkTakesTheValueTruncatedTowardZero) {
    int n = 0;
    NumberFieldModel real = realField(1);
    real.link(&n);
    real.valueUpdate("2.7");
    EXPECT_EQ(n, 2);
    real.valueUpdate("-2.7");
    EXPECT_EQ(n, -2);

    NumberFieldModel whole = wholeField(0);
    whole.link(&n);
    EXPECT_EQ(whole.valueUpdate("1e12"), "2147483647"); // the field holds what the int can
    EXPECT_EQ(n, INT_MAX);
    EXPECT_EQ(whole.valueUpdate("-1e12"), "-2147483648");
    EXPECT_EQ(n, INT_MIN);
    n = 42;
    EXPECT_EQ(whole.showUpdate(), "42");
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
    EXPECT_FALSE(m.linked());
    EXPECT_EQ(m.value(), 0.0);
    EXPECT_EQ(m.text(), "0.0");
    m.valueUpdate("3");
    EXPECT_EQ(v, 1.0);
    EXPECT_EQ(m.value(), 3.0);
    m.link(static_cast<double*>(nullptr));
    EXPECT_FALSE(m.linked());
    EXPECT_EQ(m.value(), 0.0);
}

TEST(NumberFieldModel, LinkOffShowsTheZeroReplacement) {
    int n = 4;
    NumberFieldModel m = pieceCountField();
    m.link(&n);
    m.linkOff();
    EXPECT_EQ(m.text(), "1");
    EXPECT_EQ(n, 4);
}

TEST(NumberFieldModel, DigitsAndBackspaceAreAlwaysTaken) {
    const NumberFieldModel whole = wholeField(0);
    for (char32_t c = U'0'; c <= U'9'; ++c)
        EXPECT_TRUE(whole.acceptsKey(c, "12", 1, -1, 0));
    EXPECT_TRUE(whole.acceptsKey(U'\b', "12", 2, -1, 0));
    EXPECT_TRUE(whole.acceptsKey(U'\x1b', "12", 2, -1, 0));
}

TEST(NumberFieldModel, OtherCharactersAreRefused) {
    const NumberFieldModel real = realField(2);
    for (char32_t c : {U'a', U'x', U'+', U',', U' ', U'\r', U'\t', U'\x16', U'\x03', U'１', U'．', U'ー'}) {
        EXPECT_FALSE(real.acceptsKey(c, "12", 2, -1, 0)) << static_cast<unsigned>(c);
    }
}

TEST(NumberFieldModel, MinusInASignedFieldGoesFirstOrAfterTheExponent) {
    const NumberFieldModel real = realField(2);
    EXPECT_TRUE(real.acceptsKey(U'-', "", 0, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'-', "12", 0, -1, 0));
    EXPECT_FALSE(real.acceptsKey(U'-', "12", 1, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'-', "1e", 2, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'-', "1E", 2, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'-', "12.5", 4, 0, 4)); // the whole text selected
    const NumberFieldModel whole = wholeField(0);
    EXPECT_TRUE(whole.acceptsKey(U'-', "5", 0, -1, 0));
    EXPECT_FALSE(whole.acceptsKey(U'-', "5", 1, -1, 0));
}

TEST(NumberFieldModel, MinusInAnUnsignedFieldOnlyAfterARealExponent) {
    const NumberFieldModel real = realField(2, NumSign::Unsigned);
    EXPECT_FALSE(real.acceptsKey(U'-', "", 0, -1, 0));
    EXPECT_FALSE(real.acceptsKey(U'-', "12", 0, 0, 2));
    EXPECT_TRUE(real.acceptsKey(U'-', "1e", 2, -1, 0));
    NumberFieldModel whole = wholeField(0);
    whole.setSignState(NumSign::Unsigned);
    EXPECT_FALSE(whole.acceptsKey(U'-', "", 0, -1, 0));
    EXPECT_FALSE(whole.acceptsKey(U'-', "1e", 2, -1, 0));
}

TEST(NumberFieldModel, DecimalPointOnceInARealField) {
    const NumberFieldModel real = realField(2);
    EXPECT_TRUE(real.acceptsKey(U'.', "12", 1, -1, 0));
    EXPECT_FALSE(real.acceptsKey(U'.', "1.2", 3, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'.', "1.2", 1, 1, 1));  // replaces the selected "."
    EXPECT_FALSE(real.acceptsKey(U'.', "1.2", 3, 2, 1)); // the "." stays
    EXPECT_FALSE(wholeField(0).acceptsKey(U'.', "12", 2, -1, 0));
}

TEST(NumberFieldModel, ExponentOnceAndNotFirstInARealField) {
    const NumberFieldModel real = realField(2);
    EXPECT_TRUE(real.acceptsKey(U'e', "15", 2, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'E', "15", 1, -1, 0));
    EXPECT_FALSE(real.acceptsKey(U'E', "15", 0, -1, 0));
    EXPECT_FALSE(real.acceptsKey(U'e', "15", 2, 0, 2)); // would go first
    EXPECT_FALSE(real.acceptsKey(U'e', "1E5", 3, -1, 0));
    EXPECT_FALSE(real.acceptsKey(U'E', "1e5", 3, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'e', "1E5", 2, 1, 1));
    EXPECT_FALSE(wholeField(0).acceptsKey(U'e', "15", 2, -1, 0));
}

TEST(NumberFieldModel, KeyFilterToleratesPositionsOutsideTheText) {
    const NumberFieldModel real = realField(2);
    EXPECT_TRUE(real.acceptsKey(U'-', "12", -5, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'e', "12", 99, -1, 0));
    EXPECT_TRUE(real.acceptsKey(U'.', "1.2", 0, 0, 1000));
    EXPECT_FALSE(real.acceptsKey(U'.', "1.2", 0, 0, -3));
}

TEST(NumberFieldModel, KeyPressRemembersTheLastKey) {
    NumberFieldModel m = wholeField(0);
    EXPECT_FALSE(m.keyPress(U'x', "", 0, -1, 0));
    EXPECT_EQ(m.pressKey(), U'x');
    EXPECT_TRUE(m.keyPress(U'7', "", 0, -1, 0));
    EXPECT_EQ(m.pressKey(), U'7');
}

} // namespace
} // namespace tarvo
