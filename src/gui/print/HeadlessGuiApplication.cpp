#include "gui/print/HeadlessGuiApplication.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>

#include "gui/print/FontStandIns.h"

namespace tarvo::gui {
namespace {

int gArgc = 1;
char gProgramName[] = "tarvo-posts";
char* gArgv[] = {gProgramName, nullptr};

QtMessageHandler gPreviousHandler = nullptr;

// A headless run (a batch job, CI) often has no per-user runtime folder; Qt
// falls back to one of its own and says so on every start. That note is
// noise on a command line whose stderr carries the program's own messages.
void quietHeadlessNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (gPreviousHandler != nullptr) {
        gPreviousHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

} // namespace

HeadlessGuiApplication::HeadlessGuiApplication() {
    if (QGuiApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        gPreviousHandler = qInstallMessageHandler(quietHeadlessNotes);
        app_ = std::make_unique<QGuiApplication>(gArgc, gArgv);
    }
    installFontStandIns();
}

HeadlessGuiApplication::~HeadlessGuiApplication() = default;

} // namespace tarvo::gui
