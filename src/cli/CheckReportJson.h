#pragma once
// The JSON form of `tarvo-posts check --json`: the common conditions with
// their derived values, then every item with its inputs and the outcome of
// its own check. The text goes to the stream item by item.
#include <iosfwd>
#include <optional>

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
    CheckReportJson(std::ostream& out, const CommonData& common);
    void addItem(int index, const ItemPresentation& presentation);
    // Closes the document and hands the rest to the stream; false when the
    // stream failed.
    bool finish();

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
