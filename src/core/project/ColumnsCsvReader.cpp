#include "core/project/ColumnsCsvReader.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

#include "core/check/ColumnCheck.h"
#include "core/project/CommonData.h"
#include "core/project/ItemFields.h"
#include "core/text/AsciiCase.h"
#include "core/text/Cp932Codec.h"
#include "core/text/CsvTable.h"
#include "core/text/FormulaGuard.h"
#include "core/text/NumberText.h"
#include "core/text/TextFileDecoding.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

constexpr int kNoColumn = -1;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// 1-based line of byte `offset` of the file.
int lineOfOffset(std::string_view bytes, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i)
        if (bytes[i] == '\n') ++line;
    return line;
}

// `text` in double quotes, for a message.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    out += text;
    out += '"';
    return out;
}

// The UTF-8 character that starts at `offset` of `text`.
std::string characterAt(std::string_view text, std::size_t offset) {
    std::size_t end = offset + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u)
        ++end;
    return std::string(text.substr(offset, end - offset));
}

// A whole number that fits the 32 bits of an index or a count.
std::optional<std::int32_t> wholeNumber(double value) {
    if (value != std::floor(value) || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The number in a cell. Most cells of a table are short whole numbers
// ("0", "105", "2800"), read here digit by digit; anything else is read as
// a typed field reads it.
std::optional<double> readNumber(std::string_view text) {
    constexpr std::size_t kExactDigits = 15; // any 15-digit whole number is an exact double
    if (!text.empty() && text.size() <= kExactDigits) {
        long long whole = 0;
        bool digitsOnly = true;
        for (const char c : text) {
            if (c < '0' || c > '9') {
                digitsOnly = false;
                break;
            }
            whole = whole * 10 + (c - '0');
        }
        if (digitsOnly) return static_cast<double>(whole);
    }
    return NumberFieldModel::parseNumber(text);
}

std::optional<bool> flagValue(std::string_view text) {
    const std::string lower = lowerAscii(text);
    if (lower == "0" || lower == "false") return false;
    if (lower == "1" || lower == "true") return true;
    return std::nullopt;
}

class ColumnsCsvImporter {
public:
    ColumnsCsvImporter(std::string_view bytes, const CommonData& common) : bytes_(bytes), common_(common) {
        template_.ColumnMaterial = common.ColumnMatDefault;
        template_.BaseMaterial = common.BaseMatDefault;
    }

    ColumnsCsvImport run() {
        const DecodedTextFile decoded = decodeTextFile(bytes_);
        if (!decoded.ok) {
            encodingProblem(decoded);
            return finish();
        }
        const std::string_view text = decoded.text;
        CsvRecordReader reader(text, detectCsvSeparator(text));
        CsvRecord record;
        if (!reader.next(record)) {
            if (reader.error() == CsvError::None) problem(1, {}, "見出しの行がありません。");
            tableProblem(reader);
            return finish();
        }
        if (!readHeader(record)) return finish();
        const int headerLine = record.line;
        // At most one item per line: the list never moves while it grows.
        result_.items.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
        while (reader.next(record))
            readRow(record);
        tableProblem(reader);
        if (result_.problemCount == 0 && result_.items.empty()) problem(headerLine + 1, {}, "項目の行がありません。");
        return finish();
    }

private:
    // The file's header cell and the item column it names (kNoColumn for an
    // empty header cell, whose cells must stay empty).
    struct HeaderCell {
        std::string text;
        int column = kNoColumn;
    };

    void problem(int line, std::string_view column, std::string_view what) {
        ++result_.problemCount;
        if (static_cast<int>(result_.problems.size()) >= kMaxListedCsvProblems) return;
        std::string text = std::to_string(line);
        text += " 行目";
        if (!column.empty()) {
            text += ' ';
            text += column;
        }
        text += ": ";
        text += what;
        result_.problems.push_back(std::move(text));
    }

    // The problem that stopped the table's reading, if any.
    void tableProblem(const CsvRecordReader& reader) {
        switch (reader.error()) {
        case CsvError::None: return;
        case CsvError::UnclosedQuote:
            problem(reader.errorLine(), {}, "引用符 \" で始まる値が閉じられていません。");
            return;
        case CsvError::TextAfterQuote:
            problem(reader.errorLine(), {}, "引用符 \" で閉じた値の後に文字があります。");
            return;
        }
    }

    void encodingProblem(const DecodedTextFile& decoded) {
        const int line = lineOfOffset(bytes_, decoded.errorOffset);
        if (decoded.encoding == TextFileEncoding::Utf16) {
            problem(line, {}, "UTF-16 のファイルは読めません。UTF-8 の CSV として保存してください。");
        } else if (decoded.errorOffset < bytes_.size() && bytes_[decoded.errorOffset] == '\0') {
            problem(line, {}, "文字ではないバイト (0) があります。");
        } else if (decoded.encoding == TextFileEncoding::Utf8WithBom) {
            problem(line, {}, "UTF-8 として読めないバイトがあります。");
        } else {
            problem(line, {}, "UTF-8 としてもシフト JIS としても読めないバイトがあります。");
        }
    }

    bool readHeader(const CsvRecord& record) {
        bool haveName = false;
        std::vector<bool> seen(itemFields().size(), false);
        labels_.assign(itemFields().size(), std::string());
        for (const std::string& cell : record.cells) {
            HeaderCell header;
            header.text = std::string(trimmed(cell));
            if (!header.text.empty()) {
                header.column = findItemField(header.text);
                if (header.column == kNoColumn) {
                    problem(record.line, header.text, "項目の欄の名前ではありません。");
                } else if (seen[static_cast<std::size_t>(header.column)]) {
                    problem(record.line, header.text, "同じ欄の列が二つあります。");
                } else {
                    seen[static_cast<std::size_t>(header.column)] = true;
                    haveName =
                        haveName || itemFields()[static_cast<std::size_t>(header.column)].kind == ItemFieldKind::Name;
                }
            }
            if (header.column != kNoColumn) labels_[static_cast<std::size_t>(header.column)] = header.text;
            header_.push_back(std::move(header));
        }
        if (!haveName) problem(record.line, {}, "名前の列 Name がありません。");
        return result_.problemCount == 0;
    }

    static bool blankRecord(const CsvRecord& record) {
        for (const std::string& cell : record.cells)
            if (!trimmed(cell).empty()) return false;
        return true;
    }

    // The name a problem gives for cell `i` of a row that has no header.
    static std::string cellLabel(std::size_t i) {
        std::string label = std::to_string(i + 1);
        label += " 列目";
        return label;
    }

    void readRow(const CsvRecord& record) {
        if (blankRecord(record)) return;
        const int problemsBefore = result_.problemCount;
        const auto& columns = itemFields();
        // The item is made in its place in the list and taken out again when the row has a problem.
        ColumnMember& item = result_.items.emplace_back(template_);
        // Numbers are checked once the whole row is read: whether a value is
        // one the program computes depends on flags later in the row.
        numbers_.assign(columns.size(), std::nullopt);
        given_.assign(columns.size(), false);

        for (std::size_t i = 0; i < record.cells.size(); ++i) {
            const std::string& cell = record.cells[i];
            const int index = i < header_.size() ? header_[i].column : kNoColumn;
            if (index == kNoColumn) {
                if (!trimmed(cell).empty()) problem(record.line, cellLabel(i), "見出しのない列に値があります。");
                continue;
            }
            const ItemField& column = columns[static_cast<std::size_t>(index)];
            if (column.kind == ItemFieldKind::Name) {
                item.Name = unguardedItemCell(cell);
                checkName(record.line, labels_[static_cast<std::size_t>(index)], item.Name);
                continue;
            }
            const std::string_view text = trimmed(cell);
            if (text.empty()) continue; // the value of a new item
            given_[static_cast<std::size_t>(index)] = true;
            readCell(record.line, labels_[static_cast<std::size_t>(index)], column, text, item,
                     numbers_[static_cast<std::size_t>(index)]);
        }

        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (!given_[c]) continue;
            checkValue(record.line, labels_[c], columns[c], item, numbers_[c]);
        }
        if (result_.problemCount != problemsBefore) {
            result_.items.pop_back();
            return;
        }
        completeDefaults(item);
    }

    // A name must survive the project file, which holds code page 932.
    void checkName(int line, const std::string& label, const std::string& name) {
        const TextConversion stored = utf8ToCp932(name);
        if (stored.ok) return;
        std::string what = "\"";
        what.append(characterAt(name, stored.errorOffset))
            .append("\" はシフト JIS（コードページ 932）にない文字です。");
        problem(line, label, what);
    }

    // Reads one cell's text. Flags, choices and size codes go into the item
    // at once (their lists are checked with the whole row); numbers wait in
    // `number` for the field check.
    void readCell(int line, const std::string& label, const ItemField& column, std::string_view text,
                  ColumnMember& item, std::optional<double>& number) {
        if (column.kind == ItemFieldKind::Flag) {
            const std::optional<bool> flag = flagValue(text);
            if (!flag) {
                problem(line, label, quoted(text) + " は 0 か 1 ではありません。");
                return;
            }
            column.set(item, *flag ? 1 : 0);
            return;
        }
        const std::optional<double> value = readNumber(text);
        if (!value) {
            problem(line, label, quoted(text) + " は数値ではありません。");
            return;
        }
        if (column.kind == ItemFieldKind::Number) {
            if (column.whole && *value > INT_MAX) {
                problem(line, label, quoted(text) + " は大きすぎます。");
                return;
            }
            number = *value;
            return;
        }
        const std::optional<std::int32_t> whole = wholeNumber(*value);
        if (!whole) {
            problem(line, label, quoted(text) + " は整数ではありません。");
            return;
        }
        column.set(item, *whole);
    }

    void checkValue(int line, const std::string& label, const ItemField& column, ColumnMember& item,
                    const std::optional<double>& number) {
        switch (column.kind) {
        case ItemFieldKind::Choice: {
            const auto value = static_cast<std::int64_t>(column.get(item));
            const int count = column.choiceCount(item);
            if (value < 0 || (count != INT_MAX && value >= count)) {
                problem(
                    line, label,
                    count == INT_MAX
                        ? formatText("%lld は選べる値（0 以上）ではありません。", static_cast<long long>(value))
                        : formatText("%lld は選択肢 0～%d にありません。", static_cast<long long>(value), count - 1));
            }
            return;
        }
        case ItemFieldKind::SizeCode: {
            const auto code = static_cast<int>(column.get(item));
            if (!offeredSizeCode(item, code)) problem(line, label, formatText("%d は選べるサイズにありません。", code));
            return;
        }
        case ItemFieldKind::Number:
            if (number) checkNumber(line, label, column, item, *number);
            return;
        case ItemFieldKind::Name:
        case ItemFieldKind::Flag: return;
        }
    }

    // A number as its field takes it when typed: a minus cannot be typed
    // into the page's fields and whole-number fields round to whole numbers.
    // A value outside the field's limits is refused, not clamped (the field
    // would put 1 in place of 0 pieces, or its limit in place of 1e300).
    // Real numbers keep
    // their decimals: a project may hold values finer than a field shows (the
    // window keeps them too until the field is edited), and an export read
    // back must give the same project.
    void checkNumber(int line, const std::string& label, const ItemField& column, ColumnMember& item, double value) {
        const NumberFieldFormat& format = *column.format;
        if (std::fabs(value) > format.max) {
            // Nothing is clamped: a value past the field's limit is refused, even one the program computes.
            problem(line, label,
                    formatText("%s は %s を超えています。", shortestNumberText(value).c_str(),
                               shortestDecimal(format.max).c_str()));
            return;
        }
        if (column.computed != nullptr && column.computed(item)) {
            column.set(item, value);
            return;
        }
        if (value < 0) {
            problem(line, label, formatText("負の値 %s は入力できません。", shortestNumberText(value).c_str()));
            return;
        }
        if (format.useMin && value < format.min) {
            // The field would put its least value (1 piece for 0) in its place.
            problem(line, label,
                    formatText("%s は %s より小さい値です。", shortestNumberText(value).c_str(),
                               shortestDecimal(format.min).c_str()));
            return;
        }
        NumberFieldModel field;
        applyFieldFormat(field, format);
        // A whole number in a whole-number field has nothing to round: it is
        // checked as a real field that keeps its decimals, which gives the
        // same value without the decimal cutting.
        if (format.type == NumType::Int && value == std::trunc(value)) field.setType(NumType::Double);
        if (field.type() == NumType::Double) field.setDigits(-1);
        // Linking reads the value and checks it, as leaving the field does,
        // without making the text the field would show.
        double checked = value;
        field.link(&checked);
        checked = field.value();
        if (column.whole && checked > INT_MAX) {
            problem(line, label, formatText("%s は大きすぎます。", shortestNumberText(value).c_str()));
            return;
        }
        column.set(item, checked);
    }

    // Values a new item would have that follow from others the row gave: the
    // tenon of the automatic rule for the section, and with wind considered
    // the mid-height of the storey the item stands in.
    void completeDefaults(ColumnMember& item) const {
        static const auto tenonB = static_cast<std::size_t>(findItemField("TenonB"));
        static const auto tenonD = static_cast<std::size_t>(findItemField("TenonD"));
        static const auto heightZ = static_cast<std::size_t>(findItemField("HeightZ"));
        if (item.AutoTenon && (!given_[tenonB] || !given_[tenonD])) {
            const double b = item.TenonB;
            const double d = item.TenonD;
            ApplyAutoTenon(item);
            if (given_[tenonB]) item.TenonB = b;
            if (given_[tenonD]) item.TenonD = d;
        }
        if (!given_[heightZ] && common_.VelocityPressure > 0 && item.FloorIndex >= 1 && item.FloorIndex <= kStoreyCount)
            item.HeightZ = common_.MidHeight[static_cast<std::size_t>(item.FloorIndex - 1)];
    }

    ColumnsCsvImport finish() {
        if (result_.problemCount != 0) result_.items.clear();
        return std::move(result_);
    }

    std::string_view bytes_;
    const CommonData& common_;
    ColumnMember template_;
    std::vector<HeaderCell> header_;
    std::vector<std::string> labels_; // per item column: its header as written in the file
    std::vector<std::optional<double>> numbers_;
    std::vector<bool> given_;
    ColumnsCsvImport result_;
};

} // namespace

ColumnsCsvImport readColumnsCsv(std::string_view bytes, const CommonData& common) {
    return ColumnsCsvImporter(bytes, common).run();
}

} // namespace tarvo
