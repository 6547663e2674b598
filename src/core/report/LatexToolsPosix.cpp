// The typesetting tools on Linux and other Unix systems: the PATH search and
// running the programs with fork and exec.
//
// The Windows program looks for "platex.exe" and for the viewers
// "dviout.exe" or "Wvip32.exe" along PATH split at ";". Here PATH is split
// at ":", the compiler is "platex" and the viewer the Japanese xdvi
// ("pxdvi-xaw" or "pxdvi" of Debian's xdvik-ja): evince and okular show no
// pLaTeX Japanese, and the plain "xdvi" does so only when xdvik-ja has taken
// its place. Without such a viewer the DVI file is turned into a PDF by
// "dvipdfmx" and opened with "xdg-open".
#include "core/report/LatexToolRunner.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvo {
namespace {

constexpr char kPathSeparator = ':';
constexpr std::array<const char*, 1> kCompilers{"platex"};
constexpr std::array<const char*, 2> kViewers{"pxdvi-xaw", "pxdvi"};
constexpr const char* kPdfConverter = "dvipdfmx";
constexpr const char* kDesktopOpener = "xdg-open";

bool isExecutable(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<std::string> pathFolders(std::string_view pathValue) {
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= pathValue.size()) {
        std::size_t end = pathValue.find(kPathSeparator, start);
        if (end == std::string_view::npos) end = pathValue.size();
        std::string folder(pathValue.substr(start, end - start));
        if (!folder.empty()) {
            if (folder.back() != '/') folder += '/';
            folders.push_back(std::move(folder));
        }
        start = end + 1;
    }
    return folders;
}

std::string findOne(const std::vector<std::string>& folders, const char* name) {
    for (const auto& folder : folders) {
        if (isExecutable(folder + name)) return folder + name;
    }
    return {};
}

// Child side of fork: standard input from /dev/null, output discarded (the
// compiler's log file keeps everything), then exec. Only async-signal-safe
// calls; on failure the errno goes back through `reportFd`.
[[noreturn]] void execChild(const char* program, char* const* argv, const char* folder, int reportFd) {
    const int nullFd = ::open("/dev/null", O_RDWR);
    if (nullFd >= 0) {
        ::dup2(nullFd, STDIN_FILENO);
        ::dup2(nullFd, STDOUT_FILENO);
        ::dup2(nullFd, STDERR_FILENO);
        if (nullFd > STDERR_FILENO) ::close(nullFd);
    }
    if (folder != nullptr && ::chdir(folder) != 0) {
        const int error = errno;
        [[maybe_unused]] const auto n = ::write(reportFd, &error, sizeof error);
        ::_exit(127);
    }
    ::execv(program, argv);
    const int error = errno;
    [[maybe_unused]] const auto n = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

// A pipe whose ends close on exec (pipe2 is not on every Unix system).
bool closeOnExecPipe(int (&fds)[2]) {
    if (::pipe(fds) != 0) return false;
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(fds[1], F_SETFD, FD_CLOEXEC);
    return true;
}

// The argument vector of exec, made before fork (the child only reads it).
std::vector<char*> argumentVector(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

// Forks and execs; returns the child's id, or −1 when fork or exec failed
// (a close-on-exec pipe tells the parent whether exec succeeded).
pid_t spawn(const std::string& program, const std::vector<std::string>& arguments, const char* folder) {
    const std::vector<char*> argv = argumentVector(program, arguments);
    int pipeFds[2];
    if (!closeOnExecPipe(pipeFds)) return -1;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return -1;
    }
    if (pid == 0) {
        ::close(pipeFds[0]);
        execChild(program.c_str(), argv.data(), folder, pipeFds[1]);
    }
    ::close(pipeFds[1]);
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(pipeFds[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(pipeFds[0]);
    if (got > 0) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return -1;
    }
    return pid;
}

int exitStatus(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class PosixProcess final : public LatexProcess {
public:
    explicit PosixProcess(pid_t pid) : pid_(pid) {}
    ~PosixProcess() override {
        if (!done_) cancel();
    }
    PosixProcess(const PosixProcess&) = delete;
    PosixProcess& operator=(const PosixProcess&) = delete;

    bool finished() override {
        if (done_) return true;
        int status = 0;
        const pid_t r = ::waitpid(pid_, &status, WNOHANG);
        if (r == pid_ || (r < 0 && errno != EINTR)) finish(status);
        return done_;
    }
    int wait() override {
        if (done_) return status_;
        int status = 0;
        pid_t r = 0;
        do {
            r = ::waitpid(pid_, &status, 0);
        } while (r < 0 && errno == EINTR);
        finish(r == pid_ ? status : -1);
        return status_;
    }
    void cancel() override {
        if (done_) return;
        ::kill(pid_, SIGTERM);
        wait();
    }

private:
    void finish(int status) {
        done_ = true;
        status_ = status < 0 ? -1 : exitStatus(status);
    }
    pid_t pid_;
    bool done_ = false;
    int status_ = -1;
};

class PosixRunner final : public LatexToolRunner {
public:
    std::unique_ptr<LatexProcess> start(const std::string& program, const std::vector<std::string>& arguments,
                                        const std::filesystem::path& folder) override {
        const std::string folderText = folder.string();
        const pid_t pid = spawn(program, arguments, folderText.empty() ? nullptr : folderText.c_str());
        if (pid < 0) return nullptr;
        return std::make_unique<PosixProcess>(pid);
    }

    bool launch(const std::string& program, const std::vector<std::string>& arguments) override {
        // The viewer runs on after this program: an intermediate child starts
        // it and ends at once, so that no zombie is left behind.
        const std::vector<char*> argv = argumentVector(program, arguments);
        int pipeFds[2];
        if (!closeOnExecPipe(pipeFds)) return false;
        const pid_t pid = ::fork();
        if (pid < 0) {
            ::close(pipeFds[0]);
            ::close(pipeFds[1]);
            return false;
        }
        if (pid == 0) {
            ::close(pipeFds[0]);
            ::setsid();
            const pid_t viewer = ::fork();
            if (viewer == 0) execChild(program.c_str(), argv.data(), nullptr, pipeFds[1]);
            ::_exit(viewer < 0 ? 127 : 0);
        }
        ::close(pipeFds[1]);
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        int error = 0;
        ssize_t got = 0;
        do {
            got = ::read(pipeFds[0], &error, sizeof error);
        } while (got < 0 && errno == EINTR);
        ::close(pipeFds[0]);
        return exitStatus(status) == 0 && got == 0;
    }
};

} // namespace

std::unique_ptr<LatexToolRunner> makeLatexToolRunner() {
    return std::make_unique<PosixRunner>();
}

LatexTools findLatexTools(std::string_view pathValue) {
    LatexTools tools;
    for (const auto& folder : pathFolders(pathValue)) {
        if (tools.compiler.empty()) {
            for (const char* name : kCompilers) {
                if (tools.compiler.empty() && isExecutable(folder + name)) tools.compiler = folder + name;
            }
        }
        if (tools.viewer.empty()) {
            for (const char* name : kViewers) {
                if (tools.viewer.empty() && isExecutable(folder + name)) tools.viewer = folder + name;
            }
        }
        if (!tools.compiler.empty() && !tools.viewer.empty()) break;
    }
    if (tools.viewer.empty()) {
        const auto folders = pathFolders(pathValue);
        const std::string converter = findOne(folders, kPdfConverter);
        const std::string opener = findOne(folders, kDesktopOpener);
        if (!converter.empty() && !opener.empty()) {
            tools.viewer = opener;
            tools.pdfConverter = converter;
        }
    }
    return tools;
}

} // namespace tarvo
