// Runs the Qt-side suites inside one QGuiApplication on the offscreen
// platform (test discovery runs this program too, without CTest's
// environment).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QtGlobal>

#include "gui/print/FontStandIns.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    tarvo::gui::installFontStandIns();
    return RUN_ALL_TESTS();
}
