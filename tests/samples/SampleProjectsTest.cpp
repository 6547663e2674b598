// The shipped sample projects are exactly what the builders make, load
// without a message and cover every product kind with wind on and off.
#include "samples/SampleProjects.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/ProjectFile.h"

namespace tarvo::samples {
namespace {

const std::filesystem::path kSamples = TARVO_SAMPLES_DIR;

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SampleProjects, ShippedFilesMatchTheirBuilders) {
    const auto dir = std::filesystem::path(::testing::TempDir()) / "samples-made";
    std::filesystem::create_directories(dir);
    RecordingMessageSink messages;
    for (const auto& project : buildSampleProjects()) {
        const auto made = dir / project.fileName;
        ASSERT_EQ(SaveProject(made.string(), project.common, project.columns, messages), 0);
        EXPECT_EQ(readBytes(made), readBytes(kSamples / project.fileName))
            << project.fileName << " differs from its builder; run tarvo_make_samples samples/";
    }
}

TEST(SampleProjects, EveryProductKindWithWindOnAndOff) {
    std::set<int> kinds;
    bool windOn = false;
    bool windOff = false;
    for (auto& project : buildSampleProjects()) {
        CommonData common;
        ColumnsData columns;
        RecordingMessageSink messages;
        ASSERT_EQ(LoadProject((kSamples / project.fileName).string(), common, columns, messages), 0)
            << project.fileName;
        EXPECT_TRUE(messages.entries.empty());
        (common.VelocityPressure > 0 ? windOn : windOff) = true;
        const MatDataBase catalogue;
        ColumnCheck check(catalogue, common);
        int computable = 0;
        for (int i = 0; i < columns.Count(); ++i) {
            kinds.insert(columns.Item(i).ColumnMaterial.SelectProduct);
            if (check.CheckColumn(columns.Item(i)).computable()) ++computable;
        }
        EXPECT_GT(computable, 0) << project.fileName;
    }
    EXPECT_EQ(kinds, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(windOn);
    EXPECT_TRUE(windOff);
}

} // namespace
} // namespace tarvo::samples
