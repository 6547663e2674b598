#pragma once
// Comma- or tab-separated text as spreadsheets read and write it (RFC 4180):
// records end at a line break (CR LF, LF or CR); a cell in double quotes may
// hold separators, line breaks and quotes (written twice). The text is UTF-8
// already; the encoding of the file is decoded before.
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

struct CsvRecord {
    int line = 0; // 1-based line of the file on which the record starts
    std::vector<std::string> cells;
};

enum class CsvError {
    None,
    UnclosedQuote,  // a quoted cell runs to the end of the text
    TextAfterQuote, // something other than a separator or a line break follows a closing quote
};

struct CsvTable {
    char separator = ',';
    std::vector<CsvRecord> records;
    CsvError error = CsvError::None;
    int errorLine = 0; // line of the problem (the opening quote of an unclosed cell)
};

// Reads a table record by record, so that a large file is never held as
// cells all at once.
class CsvRecordReader {
public:
    CsvRecordReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    // Reads the next record into `record`, reusing the storage of its cells.
    // False at the end of the text, or at an error (then `error` tells which).
    bool next(CsvRecord& record);

    [[nodiscard]] CsvError error() const { return error_; }
    [[nodiscard]] int errorLine() const { return errorLine_; }
    [[nodiscard]] char separator() const { return separator_; }

private:
    void readPlain(std::string& cell);
    bool readQuoted(std::string& cell);
    void countLines(std::size_t from, std::size_t to);
    bool fail(CsvError error, int line);

    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    int line_ = 1;
    CsvError error_ = CsvError::None;
    int errorLine_ = 0;
};

// The separator of a table: a tab when the first record holds more tabs
// than commas outside quotes, otherwise a comma.
char detectCsvSeparator(std::string_view text);

// Splits `text` into records and cells. A line break at the very end ends
// the last record and starts none. On an error the records read before it
// are kept and `error` tells what stopped the reading.
CsvTable parseCsv(std::string_view text, char separator);
// The same with the separator detected.
CsvTable parseCsv(std::string_view text);

// Appends one cell, in double quotes (with its quotes doubled) when it holds
// the separator, a quote or a line break.
void appendCsvCell(std::string& out, std::string_view cell, char separator = ',');

} // namespace tarvo
