// Where the window keeps its settings: "設定の保存" on the common conditions
// page, pressed in a window started the way the program starts it, writes
// into the user's configuration folder unless a Tarvo.ini sits beside the
// program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <string>

#include "core/text/IniFile.h"
#include "gui/app/MainForm.h"
#include "gui/print/PrintCommands.h"
#include "support/ScopedEnv.h"
#include "support/TestFiles.h"

namespace tarvo::gui {
namespace {

using std::filesystem::path;

class MainFormSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(program()); }

    path program() const { return dir_ / "bin"; }
    path config() const { return dir_ / "config"; }
    path userSettings() const { return config() / "tarvo-posts" / "Tarvo.ini"; }

    // A window on the location the program finds for itself in `program()`.
    std::unique_ptr<MainForm> startWindow() {
        auto window = std::make_unique<MainForm>(SettingsLocation::find(program()));
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    // Chooses wind speed `v0Index` and presses "設定の保存"; returns the text
    // of the message box that answers.
    static QString saveCommonDefaults(MainForm& window, int v0Index) {
        window.findChild<QTabWidget*>(QStringLiteral("PageControl"))->setCurrentIndex(0);
        auto* v0 = window.findChild<QComboBox*>(QStringLiteral("V0Select"));
        v0->setCurrentIndex(v0Index);
        emit v0->activated(v0Index);

        auto shown = std::make_shared<QString>();
        auto* timer = new QTimer(&window);
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *shown = box->text();
                timer->stop();
                box->accept();
            }
        });
        timer->start();
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("DefaultButton1")), Qt::LeftButton);
        timer->stop();
        return *shown;
    }

    static int storedV0Index(const path& file) {
        IniFile ini;
        return ini.load(file) ? ini.getInt("Common", "V0Index", -1) : -1;
    }

    test::TempDir dir_;
    test::ScopedEnv configHome_{"XDG_CONFIG_HOME", config().c_str()};
};

TEST_F(MainFormSettingsTest, InstalledProgramSavesIntoTheUsersConfigurationFolder) {
    {
        auto window = startWindow();
        EXPECT_FALSE(window->settingsLocation().portable());
        EXPECT_FALSE(std::filesystem::exists(config())) << "nothing is made before the first save";
        EXPECT_EQ(saveCommonDefaults(*window, 3), QStringLiteral("設定を保存しました"));
    }
    EXPECT_EQ(storedV0Index(userSettings()), 3);
    EXPECT_FALSE(std::filesystem::exists(program() / "Tarvo.ini"));

    // The next start reads the stored default back.
    auto again = startWindow();
    again->NewProject();
    EXPECT_EQ(again->common().V0Index, 3);
}

TEST_F(MainFormSettingsTest, PortableProgramSavesBesideItself) {
    test::writeBytes(program() / "Tarvo.ini", "");
    auto window = startWindow();
    EXPECT_TRUE(window->settingsLocation().portable());
    EXPECT_EQ(saveCommonDefaults(*window, 5), QStringLiteral("設定を保存しました"));
    EXPECT_EQ(storedV0Index(program() / "Tarvo.ini"), 5);
    EXPECT_FALSE(std::filesystem::exists(config()));
}

TEST_F(MainFormSettingsTest, WindowStateIsKeptInTheUsersFolderAlsoInPortableUse) {
    test::writeBytes(program() / "Tarvo.ini", "");
    // A size the offscreen screen (800 × 600) has room for.
    QSize chosen;
    {
        auto window = startWindow();
        chosen = QSize(700, window->minimumSizeHint().height());
        window->resize(chosen);
        window->move(20, 30);
        window->printCommands().setPreviewZoom(1);
        EXPECT_TRUE(window->close());
    }
    const path state = config() / "tarvo-posts" / "Window.ini";
    IniFile ini;
    ASSERT_TRUE(ini.load(state));
    EXPECT_EQ(ini.getInt("Window", "Width", 0), 700);
    EXPECT_FALSE(std::filesystem::exists(program() / "Window.ini"));

    auto again = startWindow();
    EXPECT_EQ(again->size(), chosen);
    EXPECT_EQ(again->pos(), QPoint(20, 30));
    EXPECT_EQ(again->printCommands().previewZoom(), 1);
}

TEST_F(MainFormSettingsTest, AFolderThatCannotBeMadeStillReportsTheFailedSave) {
    test::writeBytes(config(), "a file where the folder should be");
    auto window = startWindow();
    EXPECT_TRUE(saveCommonDefaults(*window, 2).startsWith(QStringLiteral("設定の保存に失敗しました。\n")));
}

} // namespace
} // namespace tarvo::gui
