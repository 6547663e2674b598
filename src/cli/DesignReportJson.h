#pragma once
// The JSON of `tarvo-posts design --json`: per designed item its number, name,
// status and the present, proposed and next smaller sections, each with its
// check (largest ratio, governing check and load case, result code).
#include <string>

#include "cli/JsonWriter.h"
#include "core/design/SectionDesign.h"
#include "core/project/ColumnMember.h"

namespace tarvo::cli {

class DesignReportJson {
public:
    DesignReportJson();
    void addItem(int index, const MemberInputData& item, const SectionDesign& design);
    // The closed document with the counts.
    [[nodiscard]] std::string finish();

private:
    void writeTrial(const char* name, const std::optional<DesignTrial>& trial);

    JsonWriter json_;
    int items_ = 0;
    int passed_ = 0;
    int changed_ = 0;
};

} // namespace tarvo::cli
