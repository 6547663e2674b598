// libFuzzer target for the item CSV reader: any bytes are refused with at
// least one problem and no items, or read completely; what was read is
// written as CSV again and must read back to the same inputs, and the items
// must make a project file that the project reader takes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/project/ColumnsCsvReader.h"
#include "core/project/ColumnsCsvWriter.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "core/text/CsvTable.h"

namespace {

// A common block with wind, so that rows placed in a storey take its mid-height.
const tarvo::CommonData& windyCommon() {
    static const tarvo::CommonData common = [] {
        tarvo::CommonData c;
        c.BuildingHeight = 7.5;
        c.FloorHeight = {3.0, 2.8, 2.6, 0};
        c.WoodenStorey = {true, true, true, false};
        c.UpdateVelocityPressure();
        c.UpdateMidHeights();
        return c;
    }();
    return common;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The table reader alone, with both separators.
    for (const char separator : {',', '\t'}) {
        const tarvo::CsvTable table = tarvo::parseCsv(bytes, separator);
        if ((table.error == tarvo::CsvError::None) != (table.errorLine == 0)) std::abort();
    }

    const tarvo::CommonData& common = windyCommon();
    const tarvo::ColumnsCsvImport first = tarvo::readColumnsCsv(bytes, common);
    if (!first.accepted()) {
        if (!first.items.empty() || first.problems.empty()) std::abort();
        if (first.problems.size() > static_cast<std::size_t>(tarvo::kMaxListedCsvProblems)) std::abort();
        return 0;
    }
    if (first.items.empty()) std::abort();

    tarvo::ColumnsData columns;
    columns.Replace(first.items);
    const tarvo::ColumnsCsvImport second = tarvo::readColumnsCsv(tarvo::writeColumnsCsv(columns), common);
    if (!second.accepted() || second.items.size() != first.items.size()) std::abort();
    for (std::size_t i = 0; i < first.items.size(); ++i) {
        if (!(second.items[i].input() == first.items[i].input())) std::abort();
    }

    tarvo::ProjectContents contents;
    if (tarvo::parseProject(tarvo::serializeProject(common.input(), columns), contents) !=
        tarvo::ProjectParseStatus::Ok)
        std::abort();
    return 0;
}
