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
