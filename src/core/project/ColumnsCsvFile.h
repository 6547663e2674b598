#pragma once
// The CSV files of a project: the column items read from a file into the
// list, the items written out, and the results of the check written out.
// Failures are told through the message sink; a refused file leaves the list
// as it was, and writing goes through the safe replacement, so an existing
// file is either replaced whole or left as it was.
#include <cstdint>
#include <filesystem>

#include "core/text/MessageSink.h"

namespace tarvo {

class ColumnCheck;
class ColumnsData;
class CommonData;

// Files above this size are refused without being read.
inline constexpr std::uintmax_t kMaxCsvFileBytes = std::uintmax_t{64} << 20;

enum class CsvImportMode {
    Append,  // the items go after the list's items
    Replace, // the items become the list
};

struct CsvImportOutcome {
    bool imported = false;
    int firstIndex = 0; // index of the first imported item in the list
    int count = 0;      // items imported
};

// Reads the items of `path` (see ColumnsCsvReader.h) into `columns`. A file
// that cannot be read or is refused shows one error message, naming the file
// and listing the problems, and changes nothing.
CsvImportOutcome ImportColumnsCsv(const std::filesystem::path& path, const CommonData& common, ColumnsData& columns,
                                  CsvImportMode mode, MessageSink& messages);

// Writes the item CSV of `columns` (ColumnsCsvWriter.h); 0 on success, 1 on
// failure with its message.
int ExportColumnsCsv(const std::filesystem::path& path, const ColumnsData& columns, MessageSink& messages);

// Checks every item and writes the results CSV (ResultsCsvWriter.h); 0 on
// success, 1 on failure with its message.
int ExportResultsCsv(const std::filesystem::path& path, const ColumnsData& columns, const ColumnCheck& check,
                     MessageSink& messages);

} // namespace tarvo
