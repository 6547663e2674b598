#include "cli/ResultsCommand.h"

#include <ostream>

#include "cli/ExportCommand.h"
#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ColumnsCsvFile.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"

namespace tarvo::cli {

int runResultsCommand(const std::vector<std::string>& args, const std::filesystem::path& settingsFile,
                      std::ostream& /*out*/, std::ostream& err) {
    return runProjectWriteCommand(
        args, settingsFile, "results", "Usage: tarvo-posts results FILE.tvp -o RESULTS.csv", err,
        [](CommonData& common, ColumnsData& columns, const std::filesystem::path& output, MessageSink& messages) {
            const MatDataBase catalogue;
            ColumnCheck check(catalogue, common);
            return ExportResultsCsv(output, columns, check, messages);
        });
}

} // namespace tarvo::cli
