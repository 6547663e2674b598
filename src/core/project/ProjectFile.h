#pragma once
// The project file (*.tvp): the common input block and the input part of
// every column item, binary and little-endian, names in Shift-JIS.
//
//   0   20  "Tarvo_Posts", zero bytes up to 20
//   20  10  version text of the writer, zero bytes up to 10 (ignored on reading)
//   30  92  common block (wooden storeys as four 4-byte slots)
//   118  4  item count n, at least 1
//   122     n items of 333 + t bytes each (t = name length in Shift-JIS)
//
// Reading is all or nothing and treats the file as untrusted: a missing or
// malformed part, a count below 1, a name length of 0 or less or beyond the
// end of the file, a real that is not finite, or an index outside the range
// the program can enter makes the whole file unreadable, and the project in
// memory stays as it was. Bytes after the last item are ignored. A name whose
// bytes are not valid Shift-JIS is loaded with U+FFFD in place of each bad
// byte rather than refusing the whole project for one damaged name.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/ColumnMember.h"
#include "core/project/CommonInputData.h"
#include "core/text/MessageSink.h"

namespace tarvo {

class CommonData;
class ColumnsData;

inline constexpr std::string_view kProjectIdentifier = "Tarvo_Posts";
inline constexpr std::size_t kProjectIdentifierSize = 20;
inline constexpr std::size_t kProjectVersionSize = 10;
inline constexpr std::size_t kProjectHeaderSize = 122; // identifier to item count
inline constexpr std::size_t kMinItemSize = 333;       // an item with an empty name
// Files above this size are refused without being read.
inline constexpr std::uintmax_t kMaxProjectFileBytes = std::uintmax_t{64} << 20;

enum class ProjectParseStatus {
    Ok,
    WrongFormat, // shorter than the identifier, or another identifier
    Malformed,   // any part missing or out of range
};

struct ProjectContents {
    CommonInputData common;
    std::vector<MemberInputData> items;
};

// The bytes `serializeProject` writes for one item, and for the whole list.
std::uintmax_t storedItemBytes(const MemberInputData& item);
std::uintmax_t projectFileBytes(const ColumnsData& columns);
// Whether the list with `added` after its items (or, with `replacing`, only
// `added`) still makes a file the reader accepts (kMaxProjectFileBytes).
bool projectWouldFit(const ColumnsData& columns, const std::vector<ColumnMember>& added, bool replacing = false);
// Why a change that would make the project too large to read back is
// refused, naming the limit.
std::string projectTooLargeMessage();

// Parses a whole file held in memory. `out` is filled only on success.
ProjectParseStatus parseProject(std::string_view bytes, ProjectContents& out);
// The file's bytes for the input block of `common` and every item of `columns`.
std::string serializeProject(const CommonInputData& common, const ColumnsData& columns);

// Loads `path`; 0 on success, 1 on failure with its message. On success the
// input block and the items are those of the file, and the velocity pressure
// and mid-heights are recomputed; on failure both are unchanged.
int LoadProject(const std::filesystem::path& path, CommonData& common, ColumnsData& columns, MessageSink& messages);
// Saves to `path` through the safe replacement; 0 on success, 1 on failure
// with its message (and the system's reason), and then an existing file is
// exactly as it was. A project larger than the reader takes is not written.
int SaveProject(const std::filesystem::path& path, const CommonData& common, const ColumnsData& columns,
                MessageSink& messages);

} // namespace tarvo
