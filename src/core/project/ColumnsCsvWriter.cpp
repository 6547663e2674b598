#include "core/project/ColumnsCsvWriter.h"

#include "core/project/ColumnsData.h"
#include "core/project/ItemFields.h"
#include "core/text/CsvTable.h"
#include "core/text/FormulaGuard.h"
#include "core/text/NumberText.h"
#include "core/text/TextFileDecoding.h"

namespace tarvo {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void appendValue(std::string& out, const ItemField& column, const MemberInputData& item) {
    if (column.kind == ItemFieldKind::Name) {
        appendCsvCell(out, guardedItemCell(item.Name));
        return;
    }
    // Flags, indexes and counts are whole numbers and print without a point.
    appendShortestNumber(out, column.get(item));
}

} // namespace

std::string writeColumnsCsv(const ColumnsData& columns) {
    const auto& fields = itemFields();
    std::string out(kUtf8ByteOrderMark);
    out.reserve(static_cast<std::size_t>(columns.Count() + 1) * fields.size() * 6);
    for (std::size_t c = 0; c < fields.size(); ++c) {
        if (c != 0) out.push_back(',');
        out.append(fields[c].name);
    }
    out.append(kLineEnd);
    for (int i = 0; i < columns.Count(); ++i) {
        const MemberInputData& item = columns.Item(i);
        for (std::size_t c = 0; c < fields.size(); ++c) {
            if (c != 0) out.push_back(',');
            appendValue(out, fields[c], item);
        }
        out.append(kLineEnd);
    }
    return out;
}

} // namespace tarvo
