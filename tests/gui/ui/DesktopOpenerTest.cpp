#include "gui/ui/DesktopOpener.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/ScopedEnv.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

// A PATH of stand-in programs only.
class DesktopOpenerTest : public ::testing::Test {
protected:
    void program(const std::string& name, const std::string& script) {
        const auto path = dir_ / name;
        test::writeBytes(path, "#!/bin/sh\n" + script);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }

    test::TempDir dir_;
    test::ScopedEnv path_{"PATH", dir_.path().c_str()};
};

TEST_F(DesktopOpenerTest, NoXdgOpenNamesThePackage) {
    EXPECT_TRUE(desktopCannotOpen(QStringLiteral("application/pdf")).contains(QStringLiteral("xdg-utils")));
    EXPECT_TRUE(
        openWithDesktop(dir_ / "a.pdf", QStringLiteral("application/pdf")).contains(QStringLiteral("xdg-open")));
}

TEST_F(DesktopOpenerTest, NoProgramForPdfNamesAViewerToInstall) {
    program("xdg-open", "exit 0\n");
    program("xdg-mime", "exit 0\n"); // no default application
    const QString why = desktopCannotOpen(QStringLiteral("application/pdf"));
    EXPECT_TRUE(why.contains(QStringLiteral("PDF を表示するプログラムがありません"))) << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("evince"))) << why.toStdString();

    program("xdg-mime", "echo org.gnome.Evince.desktop\n");
    EXPECT_TRUE(desktopCannotOpen(QStringLiteral("application/pdf")).isEmpty());
}

} // namespace
} // namespace tarvo::gui
