#include "gui/app/HelpDocument.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

using std::filesystem::path;

// Runs the lookup from inside `folder` and goes back afterwards.
class WorkingFolder {
public:
    explicit WorkingFolder(const path& folder) : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingFolder() { std::filesystem::current_path(old_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    path old_;
};

TEST(HelpDocumentLookup, WorkingFolderThenProgramThenItsInstallation) {
    test::TempDir dir;
    const path prefix = dir / "prefix";
    const path program = prefix / "bin";
    const path installed = prefix / "share" / "doc" / "tarvo-posts" / kHelpDocumentName;
    const path work = dir / "work";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(installed.parent_path());
    std::filesystem::create_directories(work);
    const WorkingFolder inWork(work);

    EXPECT_TRUE(findHelpDocument(program).empty()) << "no guide anywhere: nothing to open";

    test::writeBytes(installed, "%PDF");
    EXPECT_EQ(findHelpDocument(program), installed);

    test::writeBytes(program / kHelpDocumentName, "%PDF");
    EXPECT_EQ(findHelpDocument(program), program / kHelpDocumentName);

    test::writeBytes(work / kHelpDocumentName, "%PDF");
    EXPECT_EQ(std::filesystem::canonical(findHelpDocument(program)),
              std::filesystem::canonical(work / kHelpDocumentName));
}

TEST(HelpDocumentLookup, AFolderOfTheGuidesNameIsNoGuide) {
    test::TempDir dir;
    const path program = dir / "bin";
    std::filesystem::create_directories(program / kHelpDocumentName);
    const WorkingFolder inProgram(program);
    EXPECT_TRUE(findHelpDocument(program).empty());
}

} // namespace
} // namespace tarvo::gui
