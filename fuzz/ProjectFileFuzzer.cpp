// libFuzzer target for the project file reader. Every input must either be
// refused or be read completely; what is read must write back to bytes that
// read the same (names aside: a damaged name comes back with stand-ins).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/project/ColumnsData.h"
#include "core/project/ProjectFile.h"

namespace {

bool sameExceptNames(const tarvo::ProjectContents& a, const tarvo::ProjectContents& b) {
    if (!(a.common == b.common) || a.items.size() != b.items.size()) return false;
    for (std::size_t i = 0; i < a.items.size(); ++i) {
        tarvo::MemberInputData x = a.items[i];
        tarvo::MemberInputData y = b.items[i];
        x.Name.clear();
        y.Name.clear();
        if (!(x == y)) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    tarvo::ProjectContents parsed;
    if (tarvo::parseProject(bytes, parsed) != tarvo::ProjectParseStatus::Ok) {
        // A refused file leaves the output untouched.
        if (!parsed.items.empty()) std::abort();
        return 0;
    }
    if (parsed.items.empty()) std::abort();

    std::vector<tarvo::ColumnMember> items(parsed.items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i].input() = parsed.items[i];
    tarvo::ColumnsData columns;
    if (!columns.Replace(std::move(items))) std::abort();
    tarvo::ProjectContents again;
    if (tarvo::parseProject(tarvo::serializeProject(parsed.common, columns), again) != tarvo::ProjectParseStatus::Ok) {
        std::abort();
    }
    if (!sameExceptNames(parsed, again)) std::abort();
    return 0;
}
