#include "core/project/ColumnsCsvFile.h"

#include <string>
#include <string_view>

#include "core/project/ColumnsCsvReader.h"
#include "core/project/ColumnsCsvWriter.h"
#include "core/project/ColumnsData.h"
#include "core/project/ProjectFile.h"
#include "core/project/ResultsCsvWriter.h"
#include "core/text/BufferedFileWriter.h"
#include "core/text/FileReader.h"
#include "core/text/SafeFileWriter.h"
#include "core/text/TextFormat.h"

namespace tarvo {
namespace {

constexpr std::string_view kCannotOpen = "ファイルを開くことが出来ませんでした。\n";
constexpr std::string_view kReadFailed = "データの読み込みに失敗しました。\n";
constexpr std::string_view kRefused = "CSV ファイルを読み込めませんでした。\n";
constexpr std::string_view kWriteFailed = "CSV ファイルの書き出しに失敗しました。\n";
constexpr const char* kTooLarge = "CSV ファイルが大きすぎます。読み込めるのは %s までです。\n";
constexpr std::string_view kTooManyItems = "CSV ファイルの項目を追加できません。\n";

std::string refusalMessage(const std::filesystem::path& path, const ColumnsCsvImport& import) {
    std::string text(kRefused);
    text += path.string();
    for (const std::string& problem : import.problems) {
        text += '\n';
        text += problem;
    }
    const int more = import.problemCount - static_cast<int>(import.problems.size());
    if (more > 0) text += "\nほか " + std::to_string(more) + " 件";
    return text;
}

int reportWrite(const std::filesystem::path& path, const SafeWriteResult& result, MessageSink& messages) {
    if (!result.ok()) {
        messages.showMessage(MessageKind::Error,
                             withReason(std::string(kWriteFailed) + path.string(), describeWriteFailure(result)));
        return 1;
    }
    return 0;
}

int writeFile(const std::filesystem::path& path, const std::string& bytes, MessageSink& messages) {
    return reportWrite(path, SafeFileWriter::replace(path, bytes), messages);
}

} // namespace

CsvImportOutcome ImportColumnsCsv(const std::filesystem::path& path, const CommonData& common, ColumnsData& columns,
                                  CsvImportMode mode, MessageSink& messages) {
    std::string bytes;
    FileReadFailure failure;
    switch (FileReader::readAll(path, kMaxCsvFileBytes, bytes, &failure)) {
    case FileReadStatus::Ok: break;
    case FileReadStatus::Missing:
    case FileReadStatus::CannotOpen:
        messages.showMessage(MessageKind::Error, withReason(std::string(kCannotOpen) + path.string(),
                                                            describeReadFailure(failure, kMaxCsvFileBytes)));
        return {};
    case FileReadStatus::TooLarge:
        messages.showMessage(MessageKind::Error,
                             formatText(kTooLarge, sizeLimitText(kMaxCsvFileBytes).c_str()) + path.string());
        return {};
    case FileReadStatus::ReadFailed:
        messages.showMessage(MessageKind::Error, withReason(std::string(kReadFailed) + path.string(),
                                                            describeReadFailure(failure, kMaxCsvFileBytes)));
        return {};
    }

    ColumnsCsvImport import = readColumnsCsv(bytes, common);
    if (!import.accepted()) {
        messages.showMessage(MessageKind::Error, refusalMessage(path, import));
        return {};
    }
    // The project must stay one its file can hold and the reader take back.
    if (!projectWouldFit(columns, import.items, mode == CsvImportMode::Replace)) {
        messages.showMessage(MessageKind::Error,
                             std::string(kTooManyItems) + path.string() + "\n" + projectTooLargeMessage());
        return {};
    }
    CsvImportOutcome outcome;
    outcome.imported = true;
    outcome.count = static_cast<int>(import.items.size());
    if (mode == CsvImportMode::Replace) {
        columns.Replace(std::move(import.items));
        return outcome;
    }
    outcome.firstIndex = columns.Count();
    for (const ColumnMember& item : import.items)
        columns.Append(item);
    return outcome;
}

int ExportColumnsCsv(const std::filesystem::path& path, const ColumnsData& columns, MessageSink& messages) {
    return writeFile(path, writeColumnsCsv(columns), messages);
}

int ExportResultsCsv(const std::filesystem::path& path, const ColumnsData& columns, const ColumnCheck& check,
                     MessageSink& messages) {
    // The file is written as the items are checked.
    BufferedFileWriter file(path);
    file.open();
    writeResultsCsv(columns, check, [&file](std::string_view piece) { return file.write(piece); });
    return reportWrite(path, file.commit(), messages);
}

} // namespace tarvo
