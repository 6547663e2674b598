#pragma once
// The typesetting programs run as QProcess: the window's event loop keeps
// running while the compiler works, so a progress dialog can paint and offer
// to cancel.
#include "core/report/LatexToolRunner.h"

namespace tarvo::gui {

class QtLatexToolRunner final : public LatexToolRunner {
public:
    std::unique_ptr<LatexProcess> start(const std::string& program, const std::vector<std::string>& arguments,
                                        const std::filesystem::path& folder) override;
    bool launch(const std::string& program, const std::vector<std::string>& arguments) override;
};

} // namespace tarvo::gui
