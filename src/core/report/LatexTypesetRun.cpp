#include "core/report/LatexTypesetRun.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>
#include <utility>

#include "core/text/Cp932Codec.h"

namespace tarvo {
namespace {

bool isFile(const std::filesystem::path& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// platex, platex.exe, platex-dev: compilers that read Shift-JIS with -kanji.
bool isPlatex(const std::string& compiler) {
    std::string name = std::filesystem::path(compiler).filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.rfind("platex", 0) == 0;
}

} // namespace

LatexTypesetRun::LatexTypesetRun(LatexToolRunner& runner, LatexTools tools, std::filesystem::path texFile)
    : runner_(runner), tools_(std::move(tools)), texFile_(std::move(texFile)) {
    texFile_ = std::filesystem::absolute(texFile_);
    dviFile_ = texFile_;
    dviFile_.replace_extension(".dvi");
    logFile_ = texFile_;
    logFile_.replace_extension(".log");
}

std::vector<std::string> LatexTypesetRun::compilerArguments(const std::string& compiler, const std::string& texName) {
    if (isPlatex(compiler)) return {"-kanji=sjis", "-interaction=nonstopmode", texName};
    return {texName};
}

LatexRunStatus LatexTypesetRun::start() {
    if (!isFile(tools_.compiler)) return status_ = LatexRunStatus::NoCompiler;
    // A failed compile must never show the result of an earlier run.
    std::error_code ec;
    std::filesystem::remove(dviFile_, ec);
    const std::string texName = texFile_.filename().string();
    process_ = runner_.start(tools_.compiler, compilerArguments(tools_.compiler, texName), texFile_.parent_path());
    status_ = process_ ? LatexRunStatus::Running : LatexRunStatus::NotStarted;
    return status_;
}

bool LatexTypesetRun::finished() {
    if (status_ != LatexRunStatus::Running) return true;
    if (!process_->finished()) return false;
    judge();
    return true;
}

LatexRunStatus LatexTypesetRun::wait() {
    if (status_ != LatexRunStatus::Running) return status_;
    process_->wait();
    return judge();
}

void LatexTypesetRun::cancel() {
    if (status_ != LatexRunStatus::Running) return;
    process_->cancel();
    status_ = LatexRunStatus::Cancelled;
}

LatexRunStatus LatexTypesetRun::judge() {
    if (isFile(dviFile_)) return status_ = LatexRunStatus::Compiled;
    firstErrorLine_ = firstLogError(logFile_);
    return status_ = LatexRunStatus::CompileFailed;
}

bool LatexTypesetRun::startViewer() {
    if (status_ != LatexRunStatus::Compiled || !isFile(tools_.viewer) || !isFile(dviFile_)) return false;
    if (tools_.pdfConverter.empty()) return runner_.launch(tools_.viewer, {dviFile_.string()});

    // No DVI viewer shows pLaTeX's Japanese here: make a PDF with the IPA
    // fonts embedded and open it with the desktop's viewer.
    if (!isFile(tools_.pdfConverter)) return false;
    std::filesystem::path pdf = dviFile_;
    pdf.replace_extension(".pdf");
    auto converter = runner_.start(tools_.pdfConverter,
                                   {"-f", "ptex-ipa.map", "-o", pdf.filename().string(), dviFile_.filename().string()},
                                   dviFile_.parent_path());
    if (!converter || converter->wait() != 0 || !isFile(pdf)) return false;
    return runner_.launch(tools_.viewer, {pdf.string()});
}

std::string LatexTypesetRun::firstLogError(const std::filesystem::path& logFile) {
    std::ifstream in(logFile, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '!') return toUtf8(line);
    }
    return {};
}

} // namespace tarvo
