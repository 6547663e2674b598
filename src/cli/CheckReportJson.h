#pragma once
// The JSON form of `tarvo-posts check --json`: the common conditions with
// their derived values, then every item with its inputs and the outcome of
// its own check.
#include <optional>
#include <string>

#include "cli/JsonWriter.h"

namespace tarvo {
class CommonData;
struct ItemPresentation;
struct MatData;
struct MemberInputData;
} // namespace tarvo

namespace tarvo::cli {

class CheckReportJson {
public:
    explicit CheckReportJson(const CommonData& common);
    void addItem(int index, const ItemPresentation& presentation);
    // Closes the document and returns it.
    std::string finish();

private:
    void writeCommon();
    void writeMatData(const MatData& data);
    void writeInputs(const MemberInputData& item);
    void optional(const char* name, const std::optional<double>& value);

    const CommonData& common_;
    JsonWriter json_;
    bool itemsOpen_ = false;
};

} // namespace tarvo::cli
