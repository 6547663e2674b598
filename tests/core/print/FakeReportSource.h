#pragma once
// Report lines of a given shape: each item is named by its number of lines
// (0: the item does not check); the header is `headerLines` plain lines.
#include <string>

#include "core/print/ReportSource.h"
#include "core/project/ColumnsData.h"

namespace tarvo::testing {

class FakeReportSource final : public ReportSource {
public:
    // Makes `columns` hold one item per entry of `lineCounts`.
    static ColumnsData makeColumns(const std::vector<int>& lineCounts) {
        ColumnsData columns;
        for (std::size_t i = 0; i < lineCounts.size(); ++i) {
            ColumnMember item;
            item.Name = std::to_string(lineCounts[i]);
            if (i == 0) {
                columns.Item(0) = item;
            } else {
                columns.Append(item);
            }
        }
        return columns;
    }

    void appendHeader(ReportLines& lines) override {
        for (int i = 0; i < headerLines; ++i)
            lines.push_back("#1header " + std::to_string(i));
    }
    bool buildItem(const ColumnMember& item, ReportLines& list, int number) override {
        const int count = std::stoi(item.Name);
        if (count == 0) return false;
        numbers.push_back(number);
        list.clear();
        list.push_back("&#0" + std::to_string(number) + ". item");
        for (int i = 1; i < count; ++i)
            list.push_back("#2line " + std::to_string(i));
        return true;
    }

    // A summary of `summaryRows.size()` rows of the given line counts, with a
    // caption, `headLines` column heads and one foot line; the materials
    // likewise. No table when the list is empty.
    bool buildSummary(const ColumnsData&, const std::vector<int>& printed, ReportTable& table) override {
        summaryPrinted = printed;
        return makeTable("summary", summaryRows, table);
    }
    bool buildMaterials(const ColumnsData&, const std::vector<int>&, ReportTable& table) override {
        return makeTable("materials", materialRows, table);
    }
    bool makeTable(const std::string& name, const std::vector<int>& rows, ReportTable& table) const {
        if (rows.empty()) return false;
        table = {};
        table.caption = name;
        table.continuedCaption = name + " continued";
        for (int i = 0; i < headLines; ++i)
            table.head.push_back("head " + std::to_string(i));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            ReportLines row;
            for (int i = 0; i < rows[r]; ++i)
                row.push_back("row " + std::to_string(r) + "." + std::to_string(i));
            table.rows.push_back(row);
        }
        table.foot.push_back(name + " foot");
        return true;
    }

    int headerLines = 0;
    std::vector<int> summaryRows;
    std::vector<int> materialRows;
    int headLines = 2;
    std::vector<int> summaryPrinted; // the indices the summary was given
    std::vector<int> numbers;        // running numbers handed out, in order
};

} // namespace tarvo::testing
