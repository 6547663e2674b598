#include "core/project/RecoveryStore.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <system_error>

#include "core/project/ColumnsData.h"
#include "core/project/ProjectFile.h"
#include "core/project/SessionLock.h"
#include "core/text/FileReader.h"
#include "core/text/SafeFileWriter.h"

namespace tarvo {

namespace {

constexpr std::uintmax_t kMaxInfoBytes = std::uintmax_t{64} * 1024;

std::filesystem::path withExtension(const std::filesystem::path& folder, const std::string& id, const char* ext) {
    return folder / (id + ext);
}

} // namespace

RecoveryStore::RecoveryStore(std::filesystem::path folder) : folder_(std::move(folder)), lock_(new SessionLock) {
    const auto started =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    // Process, start time and a count of the sessions this process opened.
    static std::atomic<int> sessions{0};
    id_ = std::to_string(CurrentProcessId()) + "-" + std::to_string(started) + "-" + std::to_string(++sessions);
}

RecoveryStore::~RecoveryStore() = default;

std::filesystem::path RecoveryStore::defaultFolder() {
    const std::filesystem::path data = UserDataFolder();
    if (data.empty()) return {};
    return data / "tarvo-posts" / "recovery";
}

bool RecoveryStore::claimSession() {
    if (lock_->held()) return true;
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) return false;
    return lock_->acquire(withExtension(folder_, id_, ".lock"));
}

bool RecoveryStore::save(const CommonInputData& common, const ColumnsData& columns,
                         const std::filesystem::path& originalFile, std::int64_t savedAt) {
    if (folder_.empty() || !claimSession()) return false;
    std::string info = std::to_string(savedAt) + "\n" + originalFile.string();
    // The project first: an info file never names a copy that is not complete.
    if (SafeFileWriter::replace(withExtension(folder_, id_, ".tvp"), serializeProject(common, columns)) !=
        SafeWriteStatus::Ok)
        return false;
    return SafeFileWriter::replace(withExtension(folder_, id_, ".info"), info) == SafeWriteStatus::Ok;
}

void RecoveryStore::discardOwn() {
    std::error_code error;
    std::filesystem::remove(withExtension(folder_, id_, ".tvp"), error);
    std::filesystem::remove(withExtension(folder_, id_, ".info"), error);
}

bool RecoveryStore::hasOwnCopy() const {
    std::error_code error;
    return std::filesystem::exists(withExtension(folder_, id_, ".tvp"), error);
}

std::vector<RecoveryCopy> RecoveryStore::orphans() const {
    std::vector<RecoveryCopy> copies;
    std::error_code error;
    if (folder_.empty() || !std::filesystem::is_directory(folder_, error)) return copies;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() != ".tvp") continue;
        const std::string id = path.stem().string();
        if (id == id_) continue;
        if (SessionLock::isHeldElsewhere(withExtension(folder_, id, ".lock"))) continue;
        RecoveryCopy copy;
        copy.project = path;
        if (!ReadRecoveryInfo(withExtension(folder_, id, ".info"), copy)) {
            // Without its info the copy still holds the work: offer it untitled,
            // dated by the file itself.
            const auto written = std::filesystem::last_write_time(path, error);
            copy.savedAt = error ? 0
                                 : std::chrono::duration_cast<std::chrono::seconds>(
                                       std::chrono::file_clock::to_sys(written).time_since_epoch())
                                       .count();
        }
        copies.push_back(std::move(copy));
    }
    std::sort(copies.begin(), copies.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.savedAt < b.savedAt; });
    return copies;
}

void RecoveryStore::discard(const RecoveryCopy& copy) {
    std::error_code error;
    std::filesystem::path base = copy.project;
    std::filesystem::remove(base, error);
    for (const char* ext : {".info", ".lock"}) {
        base.replace_extension(ext);
        std::filesystem::remove(base, error);
    }
}

bool ReadRecoveryInfo(const std::filesystem::path& infoFile, RecoveryCopy& copy) {
    std::string bytes;
    if (FileReader::readAll(infoFile, kMaxInfoBytes, bytes) != FileReadStatus::Ok) return false;
    const std::size_t newline = bytes.find('\n');
    if (newline == std::string::npos) return false;
    std::int64_t savedAt = 0;
    const auto [end, status] = std::from_chars(bytes.data(), bytes.data() + newline, savedAt);
    if (status != std::errc{} || end != bytes.data() + newline) return false;
    copy.savedAt = savedAt;
    copy.originalFile = bytes.substr(newline + 1);
    return true;
}

} // namespace tarvo
