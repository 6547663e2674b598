// Benchmarks of the window run inside one QApplication on the offscreen
// platform, so they need no display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include "gui/print/FontStandIns.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Recovery copies of the windows go to a folder of the benchmarks' own.
    qputenv("XDG_DATA_HOME", QByteArray("/tmp/tarvo-bench-data"));
    QApplication app(argc, argv);
    tarvo::gui::installFontStandIns();
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
