#pragma once
// The readable table of `tarvo-posts check`: one line per item with its
// number, name, result code and message, largest ratio and the verdict of
// each load case. The lines go to the stream in pieces of some tens of
// kilobytes as they are made.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "cli/ItemVerdict.h"
#include "core/project/ColumnMember.h"

namespace tarvo {
class CommonData;
}

namespace tarvo::cli {

class CheckReportTable {
public:
    CheckReportTable(std::ostream& out, const CommonData& common);
    void addItem(int index, const ColumnMember& item, std::int32_t code, const ItemVerdict& verdict);
    // The closing counts; false when the stream failed.
    bool finish(bool anyNg);

private:
    void printHeader();
    void flushIfFull();

    std::ostream& out_;
    std::string text_; // made, not yet handed to the stream
    const CommonData& common_;
    bool headerPrinted_ = false;
    int items_ = 0;
    int checked_ = 0;
    int ng_ = 0;
};

// Columns a UTF-8 text takes in a terminal: two for wide (full-width)
// characters, one for the others.
int displayWidth(std::string_view utf8);
// `text` with blanks after it up to `columns` terminal columns.
std::string padRight(std::string_view text, int columns);
// The same, appended to `out`.
void appendPadded(std::string& out, std::string_view text, int columns);

} // namespace tarvo::cli
