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

} // namespace

bool CsvRecordReader::next(CsvRecord& record) {
    if (error_ != CsvError::None || pos_ >= text_.size()) return false;
    record.line = line_;
    std::size_t used = 0;
    for (;;) {
        if (used == record.cells.size()) record.cells.emplace_back();
        std::string& cell = record.cells[used++];
        if (text_[pos_] == '"') {
            if (!readQuoted(cell)) return false;
        } else {
            readPlain(cell);
        }
        if (pos_ >= text_.size()) break;
        if (text_[pos_] == separator_) {
            ++pos_;
            if (pos_ < text_.size()) continue;
            // A separator at the very end leaves one more empty cell.
            if (used == record.cells.size()) record.cells.emplace_back();
            record.cells[used++].clear();
            break;
        }
        // Only a line break is left: readPlain stops at one, readQuoted checked it.
        pos_ = skipLineBreak(text_, pos_);
        ++line_;
        break;
    }
    record.cells.resize(used);
    return true;
}

void CsvRecordReader::readPlain(std::string& cell) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != separator_ && !isLineBreak(text_[pos_]))
        ++pos_;
    cell.assign(text_.substr(start, pos_ - start));
}

// A quoted cell: from the opening quote to the closing one, doubled quotes
// read as one. What follows must end the cell.
bool CsvRecordReader::readQuoted(std::string& cell) {
    const int openedOn = line_;
    cell.clear();
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
    if (pos_ < text_.size() && text_[pos_] != separator_ && !isLineBreak(text_[pos_]))
        return fail(CsvError::TextAfterQuote, line_);
    return true;
}

// Lines broken inside a quoted cell still count for the records after it.
void CsvRecordReader::countLines(std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n'))) ++line_;
    }
}

bool CsvRecordReader::fail(CsvError error, int line) {
    error_ = error;
    errorLine_ = line;
    return false;
}

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
    CsvTable table;
    table.separator = separator;
    CsvRecordReader reader(text, separator);
    CsvRecord record;
    while (reader.next(record))
        table.records.push_back(record);
    table.error = reader.error();
    table.errorLine = reader.errorLine();
    return table;
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
