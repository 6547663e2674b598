#include "gui/ui/QtLatexToolRunner.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

#include "gui/print/QtText.h"

namespace tarvo::gui {
namespace {

class QtLatexProcess final : public LatexProcess {
public:
    QtLatexProcess() = default;
    ~QtLatexProcess() override { cancel(); }
    QtLatexProcess(const QtLatexProcess&) = delete;
    QtLatexProcess& operator=(const QtLatexProcess&) = delete;

    QProcess& process() { return process_; }

    bool finished() override {
        if (process_.state() == QProcess::NotRunning) return true;
        // Collects an ending the event loop has not delivered yet.
        process_.waitForFinished(0);
        return process_.state() == QProcess::NotRunning;
    }
    int wait() override {
        if (process_.state() != QProcess::NotRunning) process_.waitForFinished(-1);
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }
    void cancel() override {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished(-1);
    }

private:
    QProcess process_;
};

} // namespace

std::unique_ptr<LatexProcess> QtLatexToolRunner::start(const std::string& program,
                                                       const std::vector<std::string>& arguments,
                                                       const std::filesystem::path& folder) {
    auto started = std::make_unique<QtLatexProcess>();
    QProcess& process = started->process();
    process.setProgram(toQString(program));
    process.setArguments(toQStringList(arguments));
    if (!folder.empty()) process.setWorkingDirectory(QFile::decodeName(folder.native().c_str()));
    // The compiler must never wait for keyboard input; its log file keeps
    // everything it prints.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1)) return nullptr;
    return started;
}

bool QtLatexToolRunner::launch(const std::string& program, const std::vector<std::string>& arguments) {
    QProcess process;
    process.setProgram(toQString(program));
    process.setArguments(toQStringList(arguments));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

} // namespace tarvo::gui
