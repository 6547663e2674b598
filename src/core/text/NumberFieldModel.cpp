#include "core/text/NumberFieldModel.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstddef>
#include <system_error>

#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

// A positive finite number as its shortest decimal digits (the fewest that
// read back as the same double): value = 0.digits × 10^point.
struct Decimal {
    std::string digits; // no trailing zeros, first digit not 0
    int point = 0;      // digits before the decimal point; may be ≤ 0 or beyond digits
};

Decimal decimalOf(double magnitude) {
    std::array<char, 64> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::scientific);
    Decimal d;
    if (ec != std::errc()) return d;
    const char* p = buffer.data();
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') d.digits.push_back(*p);
    }
    int exponent = 0;
    if (p != end) {
        ++p;
        if (p != end && *p == '+') ++p;
        std::from_chars(p, end, exponent);
    }
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    d.point = exponent + 1;
    return d;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The whole number of units of 10^-decimals in `d`, cut with `mode` (Round:
// halves away from zero; Up: any remainder adds one; Down: the remainder is
// dropped), as decimal digits. Working on the shortest decimal digits rounds
// what the user typed: 2.675 to two decimals is 2.68, although the double
// nearest to 2.675 lies just below it.
std::string unitsOf(const Decimal& d, int decimals, NumCutMode mode) {
    const long long keep = static_cast<long long>(d.point) + decimals;
    const auto size = static_cast<long long>(d.digits.size());
    if (d.digits.empty()) return "0";
    if (keep >= size) return d.digits + std::string(static_cast<std::size_t>(keep - size), '0');
    std::string whole = keep > 0 ? d.digits.substr(0, static_cast<std::size_t>(keep)) : std::string("0");
    bool up = false;
    switch (mode) {
    case NumCutMode::Round: up = keep >= 0 && d.digits[static_cast<std::size_t>(keep)] >= '5'; break;
    case NumCutMode::Up: up = true; break; // the digits cut off end in a non-zero digit
    case NumCutMode::Down:
    case NumCutMode::None: break;
    }
    if (up) increment(whole);
    return whole;
}

// A positive finite magnitude cut to units of 10^-decimals.
double cutMagnitude(double magnitude, int decimals, NumCutMode mode) {
    const std::string text = unitsOf(decimalOf(magnitude), decimals, mode) + "e" + std::to_string(-decimals);
    double result = magnitude;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (ec != std::errc() || !std::isfinite(result)) return magnitude;
    return result;
}

// Fixed notation with exactly `decimals` decimals, the last one rounded with
// halves away from zero; never "-0".
std::string fixedText(double v, int decimals) {
    std::string units = v == 0 ? std::string("0") : unitsOf(decimalOf(std::fabs(v)), decimals, NumCutMode::Round);
    const bool negative = v < 0 && units.find_first_not_of('0') != std::string::npos;
    if (decimals > 0) {
        const auto wanted = static_cast<std::size_t>(decimals) + 1;
        if (units.size() < wanted) units.insert(0, wanted - units.size(), '0');
        units.insert(units.size() - static_cast<std::size_t>(decimals), 1, '.');
    }
    return negative ? "-" + units : units;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

void NumberFieldModel::setDigits(int n) {
    if (n < 0) {
        digits_ = type_ == NumType::Double ? -1 : 0;
    } else {
        digits_ = std::min(n, kMaxDigits);
    }
}

void NumberFieldModel::setZeroValue(double v) {
    if (std::isfinite(v)) zero_ = v;
}

void NumberFieldModel::setValueMax(double v) {
    if (std::isfinite(v)) max_ = v;
}

void NumberFieldModel::setValueMin(double v) {
    if (std::isfinite(v)) min_ = v;
}

void NumberFieldModel::link(double* variable) {
    if (variable == nullptr) {
        linkOff();
        return;
    }
    link_ = variable;
    readLink();
    valueCheck();
}

void NumberFieldModel::link(int* variable) {
    if (variable == nullptr) {
        linkOff();
        return;
    }
    link_ = variable;
    readLink();
    valueCheck();
}

void NumberFieldModel::linkOff() {
    link_ = std::monostate{};
    value_ = 0.0;
    valueCheck();
}

void NumberFieldModel::readLink() {
    if (auto* const* d = std::get_if<double*>(&link_)) {
        value_ = **d;
    } else if (auto* const* i = std::get_if<int*>(&link_)) {
        value_ = **i;
    }
}

std::string NumberFieldModel::showUpdate() {
    readLink();
    valueCheck();
    return text();
}

std::string NumberFieldModel::valueUpdate(std::string_view text) {
    value_ = parseNumber(text).value_or(0.0);
    valueCheck();
    linkValueUpdate();
    return this->text();
}

std::string NumberFieldModel::setValue(double v) {
    value_ = v;
    valueCheck();
    linkValueUpdate();
    return text();
}

std::string NumberFieldModel::text() const {
    if (!zeroVisible_ && value_ == 0) return {};
    return format(value_);
}

std::string NumberFieldModel::format(double v) const {
    if (v == 0) v = 0.0; // no "-0"
    if (format_ == NumFormat::General) {
        std::array<char, 64> buffer{};
        const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
        return ec == std::errc() ? std::string(buffer.data(), end) : std::string();
    }
    if (type_ == NumType::Int) return fixedText(v, 0);
    if (digits_ < 0) return shortestDecimal(v);
    return fixedText(v, digits_);
}

void NumberFieldModel::valueCheck() {
    if (!std::isfinite(value_)) value_ = 0.0;
    if (sign_ == NumSign::Unsigned) value_ = std::fabs(value_);
    numRound();
    if (useMax_ && value_ > max_) value_ = max_;
    if (useMin_ && value_ < min_) value_ = min_;
    if (value_ == 0) value_ = zero_;
    // A field linked to an int holds only what the int can take, so the
    // field and its variable show the same number.
    if (std::holds_alternative<int*>(link_)) value_ = std::clamp(value_, double{INT_MIN}, double{INT_MAX});
    if (value_ == 0) value_ = 0.0;
}

void NumberFieldModel::numRound() {
    if (value_ == 0 || !std::isfinite(value_)) return;
    NumCutMode mode = cutMode_;
    int decimals = 0;
    if (type_ == NumType::Double) {
        if (mode == NumCutMode::None || digits_ < 0) return;
        decimals = digits_;
    } else if (mode == NumCutMode::None) {
        // A whole-number field always holds a whole number: the text shows it
        // rounded and an int variable takes it, so both must agree.
        mode = NumCutMode::Round;
    } else {
        decimals = -std::max(digits_, 0);
    }
    const double magnitude = cutMagnitude(std::fabs(value_), decimals, mode);
    value_ = value_ < 0 ? -magnitude : magnitude;
}

void NumberFieldModel::linkValueUpdate() {
    if (readOnly_) return;
    if (auto* const* d = std::get_if<double*>(&link_)) {
        **d = value_;
    } else if (auto* const* i = std::get_if<int*>(&link_)) {
        **i = static_cast<int>(std::trunc(std::clamp(value_, double{INT_MIN}, double{INT_MAX})));
    }
}

bool NumberFieldModel::acceptsKey(char32_t ch, std::string_view text, int caret, int selStart, int selLength) const {
    const long long size = static_cast<long long>(text.size());
    const auto clampPos = [size](long long p) { return static_cast<std::size_t>(std::clamp(p, 0LL, size)); };
    // The typed character replaces the selection; without one it goes in at the caret.
    std::size_t begin = clampPos(caret);
    std::size_t end = begin;
    if (selLength > 0) {
        begin = clampPos(selStart);
        end = clampPos(static_cast<long long>(selStart) + selLength);
    }
    const auto keptHas = [&](char c) {
        return text.substr(0, begin).find(c) != std::string_view::npos ||
               text.substr(end).find(c) != std::string_view::npos;
    };
    const bool afterE = begin > 0 && (text[begin - 1] == 'E' || text[begin - 1] == 'e');
    const bool real = type_ == NumType::Double;
    switch (ch) {
    case U'\b':
    case U'\x1b': return true;
    case U'-': return sign_ == NumSign::Signed ? begin == 0 || afterE : real && afterE;
    case U'.': return real && !keptHas('.');
    case U'E':
    case U'e': return real && begin > 0 && !keptHas('E') && !keptHas('e');
    default: return ch >= U'0' && ch <= U'9';
    }
}

bool NumberFieldModel::keyPress(char32_t ch, std::string_view text, int caret, int selStart, int selLength) {
    pressKey_ = ch;
    return acceptsKey(ch, text, caret, selStart, selLength);
}

std::string NumberFieldModel::refusal(std::string_view text) const {
    if (!refusesOutOfRange_) return {};
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty()) return {};
    const double low = useMin_ ? min_ : 0.0;
    std::string range = "入力できる値は " + format(low) + " 〜 " + format(max_) + " です。";
    const std::optional<double> parsed = parseNumber(text);
    if (!parsed) {
        // A number too long for a double ("1" and 400 zeros) is out of range;
        // anything else is no number.
        std::string_view digits = text;
        if (digits.front() == '+') digits.remove_prefix(1);
        double ignored = 0.0;
        const auto [end, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), ignored, std::chars_format::general);
        const bool tooLong = ec == std::errc::result_out_of_range && end == digits.data() + digits.size();
        return tooLong ? range : "数値ではありません。" + range;
    }
    NumberFieldModel rounded = *this;
    rounded.link_ = std::monostate{};
    rounded.value_ = sign_ == NumSign::Unsigned ? std::fabs(*parsed) : *parsed;
    rounded.numRound();
    const double v = rounded.value_;
    if (useMax_ && v > max_) return range;
    if (useMin_ && v != 0 && v < min_) return range;
    if (sign_ == NumSign::Unsigned && v < 0) return range;
    return {};
}

std::optional<double> NumberFieldModel::parseNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    if (ec != std::errc() || ptr != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

} // namespace tarvo
