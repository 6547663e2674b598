#include "core/project/ProjectFileName.h"

#include <string>

namespace tarvo {

std::filesystem::path WithExtension(const std::filesystem::path& chosen, std::string_view extension) {
    if (!chosen.has_filename()) return chosen;
    std::filesystem::path name = chosen;
    name.replace_extension(std::filesystem::path(std::string(extension)));
    return name;
}

std::filesystem::path ProjectSaveName(const std::filesystem::path& chosen) {
    return WithExtension(chosen, kProjectExtension);
}

bool IsProjectFileName(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    if (extension.size() != kProjectExtension.size()) return false;
    for (std::size_t i = 0; i < extension.size(); ++i) {
        char c = extension[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kProjectExtension[i]) return false;
    }
    return true;
}

} // namespace tarvo
