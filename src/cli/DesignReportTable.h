#pragma once
// The readable table of `tarvo-posts design`: one line per designed item with
// its present section and largest ratio, the proposed section and its
// largest ratio, and the next smaller candidate with the check it fails.
#include <iosfwd>

#include "core/design/SectionDesign.h"
#include "core/project/ColumnMember.h"

namespace tarvo::cli {

class DesignReportTable {
public:
    explicit DesignReportTable(std::ostream& out) : out_(out) {}
    void addItem(int index, const MemberInputData& item, const SectionDesign& design);
    // The counts and "Result: OK" when every item got a passing section, else "Result: NG".
    void finish();

private:
    void printHeader();

    std::ostream& out_;
    bool headerPrinted_ = false;
    int items_ = 0;
    int passed_ = 0;
    int changed_ = 0;
};

} // namespace tarvo::cli
