// libFuzzer target for the settings file and the code page 932 conversion:
// any bytes parse; values read back; writing a section keeps every other
// section's entries; text survives a round trip through both conversions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/Cp932Codec.h"
#include "core/text/IniFile.h"

namespace {

bool isFuzzSection(const std::string& name) {
    constexpr std::string_view kName = "fuzz section";
    if (name.size() != kName.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kName[i]) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const tarvo::TextConversion utf8 = tarvo::cp932ToUtf8(bytes);
    if (!utf8.ok && utf8.errorOffset >= bytes.size()) std::abort();
    // Converting back never fails on what the first conversion produced,
    // apart from the stand-in for bytes that were not code page 932.
    const tarvo::TextConversion back = tarvo::utf8ToCp932(utf8.text);
    if (utf8.ok && !back.ok) std::abort();

    tarvo::IniFile ini = tarvo::IniFile::parse(bytes);
    const auto names = ini.sectionNames();
    for (const auto& name : names) {
        for (const auto& entry : ini.entries(name)) {
            (void)ini.getInt(name, entry.key, 0);
            (void)ini.getBool(name, entry.key, false);
        }
    }
    const auto before = names.empty() ? std::vector<tarvo::IniFile::Entry>{} : ini.entries(names.front());
    ini.setSection("Fuzz Section", {{"Key", "値"}, {"Other", "1"}});
    if (ini.getString("Fuzz Section", "Key") != "値" && ini.getString("fuzz section", "key") != "値") {
        // A section of that name earlier in the file may hold the key first; the written value must still be found.
        std::abort();
    }
    const tarvo::IniFile reread = tarvo::IniFile::parse(ini.toBytes());
    const bool firstIsWritten = !names.empty() && isFuzzSection(names.front());
    if (!names.empty() && !firstIsWritten && reread.entries(names.front()) != before) std::abort();
    return 0;
}
