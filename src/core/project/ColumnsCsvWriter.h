#pragma once
// The item CSV of a project's column list: every column of ItemFields.h,
// one row per item in list order. UTF-8 with a byte-order mark and CR LF line
// ends, so that a spreadsheet opens it with its Japanese intact; numbers in
// their shortest form that reads back exactly, so that the file read again
// gives the same items bit for bit.
#include <string>

namespace tarvo {

class ColumnsData;

std::string writeColumnsCsv(const ColumnsData& columns);

} // namespace tarvo
