// The portable part of SafeFileWriter: the texts of its failures.
#include "core/text/SafeFileWriter.h"

#include <system_error>

#include "core/text/MessageSink.h"

namespace tarvo {

std::string describeWriteFailure(const SafeWriteResult& result) {
    if (result.systemError != 0) return std::generic_category().message(result.systemError);
    switch (result.status) {
    case SafeWriteStatus::Ok: return {};
    case SafeWriteStatus::ReadOnlyTarget: return "the file is marked read-only; it was left unchanged";
    case SafeWriteStatus::NotARegularFile:
        return "not a regular file (a device, a FIFO, a folder or a socket); it was left unchanged";
    case SafeWriteStatus::CannotInspect: return "no file name";
    case SafeWriteStatus::CannotCreateTemp:
    case SafeWriteStatus::WriteFailed:
    case SafeWriteStatus::SyncFailed:
    case SafeWriteStatus::RenameFailed: break;
    }
    return "the file could not be written";
}

std::string fileErrorMessage(const SafeWriteResult& result, const std::filesystem::path& path) {
    std::string text = result.openFailed() ? "File Open Error: \n" : "File Write Error: \n";
    text += path.string();
    return withReason(std::move(text), describeWriteFailure(result));
}

} // namespace tarvo
