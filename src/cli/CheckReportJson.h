#pragma once
// The JSON form of `tarvo-posts check --json`: the common conditions with
// their derived values, then every item's inputs and results together with
// the program-wide values right after that item's check.
#include <cstdint>
#include <string>

#include "cli/JsonWriter.h"

namespace tarvo {
class ColumnCheck;
class ColumnMember;
class CommonData;
struct MatData;
} // namespace tarvo

namespace tarvo::cli {

class CheckReportJson {
public:
    explicit CheckReportJson(const CommonData& common);
    void addItem(int index, const ColumnMember& item, std::int32_t code, const ColumnCheck& check);
    // Closes the document and returns it.
    std::string finish();

private:
    void writeCommon();
    void writeMatData(const MatData& data);

    const CommonData& common_;
    JsonWriter json_;
    bool itemsOpen_ = false;
};

} // namespace tarvo::cli
