#include "core/text/CsvTable.h"

namespace tarvo {
namespace {

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// Steps over the line break at `pos` (CR LF counts as one); returns the position after it.
std::size_t skipLineBreak(std::string_view text, std::size_t pos) {
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') return pos + 2;
    return pos + 1;
}

class CsvParser {
public:
    CsvParser(std::string_view text, char separator) : text_(text) { table_.separator = separator; }

    CsvTable run() {
        while (pos_ < text_.size()) {
            if (!readRecord()) break;
        }
        return std::move(table_);
    }

private:
    // Reads one record, up to and including its line break.
    bool readRecord() {
        CsvRecord record;
        record.line = line_;
        // Records of a table mostly have as many cells as the one before.
        if (!table_.records.empty()) record.cells.reserve(table_.records.back().cells.size());
        for (;;) {
            std::string cell;
            if (pos_ < text_.size() && text_[pos_] == '"') {
                if (!readQuoted(cell)) return false;
            } else {
                readPlain(cell);
            }
            record.cells.push_back(std::move(cell));
            if (pos_ >= text_.size()) break;
            const char c = text_[pos_];
            if (c == table_.separator) {
                ++pos_;
                continue;
            }
            // Only a line break is left: readPlain stops at one, readQuoted checked it.
            pos_ = skipLineBreak(text_, pos_);
            ++line_;
            break;
        }
        table_.records.push_back(std::move(record));
        return true;
    }

    void readPlain(std::string& cell) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != table_.separator && !isLineBreak(text_[pos_]))
            ++pos_;
        cell.assign(text_.substr(start, pos_ - start));
    }

    // A quoted cell: from the opening quote to the closing one, doubled
    // quotes read as one. What follows must end the cell.
    bool readQuoted(std::string& cell) {
        const int openedOn = line_;
        ++pos_;
        for (;;) {
            const std::size_t quote = text_.find('"', pos_);
            if (quote == std::string_view::npos) return fail(CsvError::UnclosedQuote, openedOn);
            countLines(pos_, quote);
            cell.append(text_.substr(pos_, quote - pos_));
            pos_ = quote + 1;
            if (pos_ < text_.size() && text_[pos_] == '"') {
                cell.push_back('"');
                ++pos_;
                continue;
            }
            break;
        }
        if (pos_ < text_.size() && text_[pos_] != table_.separator && !isLineBreak(text_[pos_]))
            return fail(CsvError::TextAfterQuote, line_);
        return true;
    }

    // Lines broken inside a quoted cell still count for the records after it.
    void countLines(std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n'))) ++line_;
        }
    }

    bool fail(CsvError error, int line) {
        table_.error = error;
        table_.errorLine = line;
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    CsvTable table_;
};

} // namespace

char detectCsvSeparator(std::string_view text) {
    std::size_t commas = 0;
    std::size_t tabs = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted; // a doubled quote toggles twice
        } else if (!quoted) {
            if (isLineBreak(c)) break;
            if (c == ',') ++commas;
            if (c == '\t') ++tabs;
        }
    }
    return tabs > commas ? '\t' : ',';
}

CsvTable parseCsv(std::string_view text, char separator) {
    return CsvParser(text, separator).run();
}

CsvTable parseCsv(std::string_view text) {
    return parseCsv(text, detectCsvSeparator(text));
}

void appendCsvCell(std::string& out, std::string_view cell, char separator) {
    bool quote = false;
    for (const char c : cell) {
        if (c == separator || c == '"' || isLineBreak(c)) {
            quote = true;
            break;
        }
    }
    if (!quote) {
        out.append(cell);
        return;
    }
    out.push_back('"');
    for (const char c : cell) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

} // namespace tarvo
