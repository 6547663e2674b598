// Runs the widget suites inside one QApplication on the offscreen platform
// (test discovery runs this program too, without CTest's environment).
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include "gui/print/FontStandIns.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A window under test keeps its recovery copies out of the user's data
    // folder (fixtures that look at them choose a folder of their own).
    qputenv("XDG_DATA_HOME", QByteArray("/tmp/tarvo-widget-tests-data"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tarvo::gui::installFontStandIns();
    return RUN_ALL_TESTS();
}
