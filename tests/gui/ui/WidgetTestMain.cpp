// Runs the widget suites inside one QApplication on the offscreen platform
// (test discovery runs this program too, without CTest's environment).
#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

#include "gui/print/FontStandIns.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tarvo::gui::installFontStandIns();
    return RUN_ALL_TESTS();
}
