#include "gui/print/HeadlessGuiApplication.h"

#include <QGuiApplication>
#include <QtGlobal>

#include "gui/print/FontStandIns.h"

namespace tarvo::gui {
namespace {

int gArgc = 1;
char gProgramName[] = "tarvo-posts";
char* gArgv[] = {gProgramName, nullptr};

} // namespace

HeadlessGuiApplication::HeadlessGuiApplication() {
    if (QGuiApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(gArgc, gArgv);
    }
    installFontStandIns();
}

HeadlessGuiApplication::~HeadlessGuiApplication() = default;

} // namespace tarvo::gui
