#pragma once
// The value behind a numeric entry field, without any widget: its settings
// (whole or real number, sign, decimals, cut mode, limits, the value that
// replaces 0), the check that sign, rounding and limits apply, the text the
// field shows, the reading of typed text, the filter of typed characters and
// the link to the program variable the field edits.
//
// A field's value is always finite. The linked variable is read when the
// field is shown (`showUpdate`) and written when the field is left
// (`valueUpdate`) or set (`setValue`); a read-only field never writes it.
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tarvo {

enum class NumType { Int, Double };              // whole number, real number
enum class NumSign { Signed, Unsigned };         // unsigned: the absolute value, no leading minus
enum class NumCutMode { None, Round, Up, Down }; // how a value is cut to its digits
enum class NumFormat { Fixed, General };         // every field of the program shows Fixed

class NumberFieldModel {
public:
    // The largest number of digits a field rounds to and shows.
    static constexpr int kMaxDigits = 18;

    void setType(NumType type) { type_ = type; }
    [[nodiscard]] NumType type() const { return type_; }
    void setSignState(NumSign sign) { sign_ = sign; }
    [[nodiscard]] NumSign signState() const { return sign_; }
    // Decimals of a real field (-1: as many as the value needs) or, for a
    // whole-number field, the places before the decimal point it rounds to
    // (2: hundreds). A negative n gives -1 for a real field and 0 for a whole
    // one, so the type is set first; more than 18 gives 18.
    void setDigits(int n);
    [[nodiscard]] int digits() const { return digits_; }
    void setCutMode(NumCutMode mode) { cutMode_ = mode; }
    [[nodiscard]] NumCutMode cutMode() const { return cutMode_; }
    void setFormat(NumFormat format) { format_ = format; }
    [[nodiscard]] NumFormat format() const { return format_; }
    // False: a value of 0 is shown as an empty text.
    void setZeroVisible(bool visible) { zeroVisible_ = visible; }
    [[nodiscard]] bool zeroVisible() const { return zeroVisible_; }
    // The value that replaces 0 after the check. Non-finite values are ignored
    // by this and the two limit setters.
    void setZeroValue(double v);
    [[nodiscard]] double zeroValue() const { return zero_; }
    void setValueMax(double v);
    [[nodiscard]] double valueMax() const { return max_; }
    void setUseMax(bool use) { useMax_ = use; }
    [[nodiscard]] bool useMax() const { return useMax_; }
    void setValueMin(double v);
    [[nodiscard]] double valueMin() const { return min_; }
    void setUseMin(bool use) { useMin_ = use; }
    [[nodiscard]] bool useMin() const { return useMin_; }
    // True: text that is no number, or a number outside the limits, is
    // refused (see `refusal`) instead of being read as 0 or held to a limit.
    void setRefusesOutOfRange(bool refuses) { refusesOutOfRange_ = refuses; }
    [[nodiscard]] bool refusesOutOfRange() const { return refusesOutOfRange_; }
    // Why a field that refuses out-of-range values does not take `text`, as
    // a short message naming its range; empty when it takes it. An empty
    // text is always taken (a blank field).
    [[nodiscard]] std::string refusal(std::string_view text) const;
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    [[nodiscard]] bool readOnly() const { return readOnly_; }

    // Links the field to a variable and reads it (`showUpdate`). A null
    // pointer unlinks like `linkOff` does.
    void link(double* variable);
    void link(int* variable);
    // Unlinks; the value becomes 0 (then checked).
    void linkOff();
    [[nodiscard]] bool linked() const { return !std::holds_alternative<std::monostate>(link_); }

    // Reads the linked variable (when linked) into the value, checks it and
    // returns the text to show. The variable itself is not written, so one
    // outside the field's limits keeps its value until the field is left.
    [[nodiscard]] std::string showUpdate();
    // Reads typed text into the value (text that is no number gives 0),
    // checks it, writes the linked variable and returns the text to show.
    std::string valueUpdate(std::string_view text);
    // value = v, then as `valueUpdate`.
    std::string setValue(double v);
    [[nodiscard]] double value() const { return value_; }
    // The text of the current value.
    [[nodiscard]] std::string text() const;

    // Sign, rounding, limits and the replacement of 0, in this order.
    void valueCheck();
    // Cuts the value to the digits with the cut mode.
    void numRound();
    // Writes the value into the linked variable unless read-only or unlinked.
    void linkValueUpdate();

    // Whether the typed character `ch` is taken, given the field's text and
    // the caret and selection as byte offsets into it (the typed character
    // replaces the selection). Digits and backspace always; Esc always (the
    // widget handles it); "-", ".", "E" and "e" by the rules of the field's
    // type and sign; anything else never.
    [[nodiscard]] bool acceptsKey(char32_t ch, std::string_view text, int caret, int selStart, int selLength) const;
    // `acceptsKey` that also remembers `ch` as the last key pressed.
    bool keyPress(char32_t ch, std::string_view text, int caret, int selStart, int selLength);
    [[nodiscard]] char32_t pressKey() const { return pressKey_; }

    // The number in `text`: decimal point ".", an optional sign and exponent,
    // blanks around it. Nothing else, and no non-finite or out-of-range
    // number, is read; the result is then empty.
    [[nodiscard]] static std::optional<double> parseNumber(std::string_view text);

private:
    // The text of `v` with the field's format, without any check.
    [[nodiscard]] std::string format(double v) const;
    void readLink();

    NumType type_ = NumType::Int;
    NumSign sign_ = NumSign::Signed;
    int digits_ = -1;
    NumCutMode cutMode_ = NumCutMode::Round;
    NumFormat format_ = NumFormat::Fixed;
    bool zeroVisible_ = true;
    bool useMax_ = false;
    bool useMin_ = false;
    bool readOnly_ = false;
    bool refusesOutOfRange_ = false;
    double max_ = 0.0;
    double min_ = 0.0;
    double zero_ = 0.0;
    double value_ = 0.0;
    std::variant<std::monostate, double*, int*> link_;
    char32_t pressKey_ = 0;
};

} // namespace tarvo
