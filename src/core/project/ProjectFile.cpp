#include "core/project/ProjectFile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <type_traits>
#include <vector>

#include "core/material/MatInputData.h"
#include "core/project/ByteReader.h"
#include "core/project/ByteWriter.h"
#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/text/Cp932Codec.h"
#include "core/text/FileReader.h"
#include "core/text/SafeFileWriter.h"

namespace tarvo {
namespace {

constexpr std::string_view kCannotOpen = "ファイルを開くことが出来ませんでした。\n";
constexpr std::string_view kWrongFormat = "ファイル形式が違います。\n";
constexpr std::string_view kReadFailed = "データの読み込みに失敗しました。\n";
constexpr std::string_view kSaveFailed = "データの保存に失敗しました。";

// A zero byte would end the stored name anyway.
std::string storedName(const std::string& name) {
    std::string stored = toCp932(name);
    stored.resize(std::min(stored.size(), stored.find('\0')));
    return stored;
}

// ---- reading ----------------------------------------------------------------

bool inRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value >= low && value <= high;
}

bool finiteReal(ByteReader& in, double& out) {
    return in.real(out) && std::isfinite(out);
}

bool readCommon(ByteReader& in, CommonInputData& c) {
    if (!in.int32(c.WindCalcStandard) || !in.int32(c.V0Index) || !in.int32(c.RoughIndex)) return false;
    if (!finiteReal(in, c.BuildingHeight) || !finiteReal(in, c.FirstFloorLevel)) return false;
    for (auto& height : c.FloorHeight) {
        if (!finiteReal(in, height)) return false;
    }
    for (std::size_t k = 0; k < c.WoodenStorey.size(); ++k) {
        bool flag = false;
        if (!in.flagSlot(flag)) return false;
        c.WoodenStorey[k] = flag;
    }
    if (!in.int32(c.SnowEria) || !finiteReal(in, c.Up_q)) return false;
    // The values the wind code indexes its tables with must be ones the page can enter.
    return inRange(c.WindCalcStandard, 0, 1) && inRange(c.V0Index, 0, 8) && inRange(c.RoughIndex, 0, 3) &&
           inRange(c.SnowEria, 0, 1);
}

bool readMaterial(ByteReader& in, MatInputData& material) {
    std::string_view raw;
    if (!in.bytes(kMatInputDataStoredSize, raw)) return false;
    MatInputDataBytes bytes{};
    std::copy(raw.begin(), raw.end(), bytes.begin());
    material = readMatInputData(bytes);
    // Species and grade indexes are checked by the catalogue lookup; the
    // product kind and use environment select code paths and must be known.
    return inRange(material.SelectProduct, 0, kProductKindCount - 1) && inRange(material.UseEnvironIndex, 0, 2);
}

bool readName(ByteReader& in, std::string& name) {
    std::int32_t length = 0;
    if (!in.int32(length) || length <= 0) return false;
    std::string_view stored;
    if (!in.bytes(static_cast<std::size_t>(length), stored)) return false;
    // The name ends at its zero byte; a damaged name keeps what converts.
    name = toUtf8(stored.substr(0, stored.find('\0')));
    return true;
}

bool readItem(ByteReader& in, MemberInputData& m) {
    if (!readMaterial(in, m.ColumnMaterial) || !readMaterial(in, m.BaseMaterial) || !readName(in, m.Name)) return false;
    const bool fieldsRead = in.int32(m.FloorIndex) && finiteReal(in, m.HeightZ) && finiteReal(in, m.WindWidth) &&
                            in.int32(m.Shape) && in.int32(m.SizeCode) && finiteReal(in, m.B) && finiteReal(in, m.D) &&
                            finiteReal(in, m.Lkx) && finiteReal(in, m.Lky) && finiteReal(in, m.Lb) &&
                            in.int32(m.Members) && in.int32(m.SubMembers) && finiteReal(in, m.TenonB) &&
                            finiteReal(in, m.TenonD);
    if (!fieldsRead) return false;
    for (auto& force : m.AxialForce) {
        if (!finiteReal(in, force)) return false;
    }
    const bool flagsRead = in.flagSlot(m.LkyDirect) && in.flagSlot(m.LbDirect) && in.flagSlot(m.AutoTenon) &&
                           finiteReal(in, m.Cf) && in.flagSlot(m.CfDirect) && in.int32(m.BaseNameIndex) &&
                           in.flagSlot(m.FcvUpper) && in.flagSlot(m.UseAxisX);
    if (!flagsRead) return false;
    return inRange(m.FloorIndex, 0, 4) && inRange(m.Shape, kRectangular, kRound) && m.Members >= 1 &&
           m.SubMembers >= 0 && inRange(m.BaseNameIndex, 0, 4);
}

// ---- writing ----------------------------------------------------------------

void writeCommon(ByteWriter& out, const CommonInputData& c) {
    out.int32(c.WindCalcStandard);
    out.int32(c.V0Index);
    out.int32(c.RoughIndex);
    out.real(c.BuildingHeight);
    out.real(c.FirstFloorLevel);
    for (const double height : c.FloorHeight)
        out.real(height);
    // Slot k holds WoodenStorey[k]; its filler bytes repeat what follows the
    // flag in the input block: the later flags, then the low bytes of SnowEria.
    const auto snow = static_cast<std::uint32_t>(c.SnowEria);
    for (int k = 0; k < kStoreyCount; ++k) {
        for (int i = 0; i < 4; ++i) {
            const int next = k + i;
            if (next < kStoreyCount) {
                out.byte(c.WoodenStorey[static_cast<std::size_t>(next)] ? 1 : 0);
            } else {
                out.byte(snow >> (8 * (next - kStoreyCount)));
            }
        }
    }
    out.int32(c.SnowEria);
    out.real(c.Up_q);
}

void writeItem(ByteWriter& out, const MemberInputData& m) {
    const MatInputDataBytes column = writeMatInputData(m.ColumnMaterial);
    const MatInputDataBytes base = writeMatInputData(m.BaseMaterial);
    out.raw(std::string_view(reinterpret_cast<const char*>(column.data()), column.size()));
    out.raw(std::string_view(reinterpret_cast<const char*>(base.data()), base.size()));

    const std::string name = storedName(m.Name);
    out.int32(static_cast<std::int32_t>(name.size() + 1));
    out.raw(name);
    out.byte(0);

    out.int32(m.FloorIndex);
    out.real(m.HeightZ);
    out.real(m.WindWidth);
    out.int32(m.Shape);
    out.int32(m.SizeCode);
    out.real(m.B);
    out.real(m.D);
    out.real(m.Lkx);
    out.real(m.Lky);
    out.real(m.Lb);
    out.int32(m.Members);
    out.int32(m.SubMembers);
    out.real(m.TenonB);
    out.real(m.TenonD);
    for (const double force : m.AxialForce)
        out.real(force);

    // Filler bytes of the flag slots: what follows each flag in the input
    // part (the next flags, then the horizontal member's first value, P0 P1).
    const auto p = static_cast<std::uint32_t>(m.BaseMaterial.ProductStandardNormal);
    const unsigned p0 = p & 0xFFu;
    const unsigned p1 = (p >> 8) & 0xFFu;
    const unsigned autoTenon = m.AutoTenon ? 1 : 0;
    out.flagSlot(m.LkyDirect, autoTenon, 0, p0);
    out.flagSlot(m.LbDirect, m.LkyDirect ? 1 : 0, autoTenon, 0);
    out.flagSlot(m.AutoTenon, 0, p0, p1);
    out.real(m.Cf);
    out.flagSlot(m.CfDirect, 0, 0, 0);
    out.int32(m.BaseNameIndex);
    out.flagSlot(m.FcvUpper, m.UseAxisX ? 1 : 0, 0, 0);
    out.flagSlot(m.UseAxisX, 0, 0, 0);
}

} // namespace

std::uintmax_t storedItemBytes(const MemberInputData& item) {
    return kMinItemSize + storedName(item.Name).size();
}

std::uintmax_t projectFileBytes(const ColumnsData& columns) {
    std::uintmax_t size = kProjectHeaderSize;
    for (int i = 0; i < columns.Count(); ++i)
        size += storedItemBytes(columns.Item(i));
    return size;
}

bool projectWouldFit(const ColumnsData& columns, const std::vector<ColumnMember>& added, bool replacing) {
    // A name never takes more bytes in code page 932 than in UTF-8, so the
    // UTF-8 sizes bound the file; the names are converted only near the limit.
    std::uintmax_t bound = kProjectHeaderSize;
    const int kept = replacing ? 0 : columns.Count();
    for (int i = 0; i < kept; ++i)
        bound += kMinItemSize + columns.Item(i).Name.size();
    for (const ColumnMember& item : added)
        bound += kMinItemSize + item.Name.size();
    if (bound <= kMaxProjectFileBytes) return true;
    std::uintmax_t size = kProjectHeaderSize;
    for (int i = 0; i < kept && size <= kMaxProjectFileBytes; ++i)
        size += storedItemBytes(columns.Item(i));
    for (std::size_t i = 0; i < added.size() && size <= kMaxProjectFileBytes; ++i)
        size += storedItemBytes(added[i]);
    return size <= kMaxProjectFileBytes;
}

std::string projectTooLargeMessage() {
    return "プロジェクトファイルが上限の " + sizeLimitText(kMaxProjectFileBytes) + " を超えます。";
}

namespace {

// Reads the file's input block into `common` and its items into `items`,
// each item decoded straight into its place; on failure both may hold part
// of the file.
template <typename Item>
ProjectParseStatus parseInto(ByteReader& in, CommonInputData& common, std::vector<Item>& items) {
    std::string_view identifier;
    if (!in.bytes(kProjectIdentifierSize, identifier)) return ProjectParseStatus::WrongFormat;
    if (identifier.substr(0, identifier.find('\0')) != kProjectIdentifier) return ProjectParseStatus::WrongFormat;
    if (!in.skip(kProjectVersionSize)) return ProjectParseStatus::Malformed;

    if (!readCommon(in, common)) return ProjectParseStatus::Malformed;
    std::int32_t count = 0;
    if (!in.int32(count) || count < 1) return ProjectParseStatus::Malformed;
    // A count the rest of the file cannot hold is refused before anything is allocated for it.
    if (static_cast<std::size_t>(count) > in.remaining() / kMinItemSize) return ProjectParseStatus::Malformed;
    items.resize(static_cast<std::size_t>(count));
    for (Item& item : items) {
        MemberInputData& input = item;
        // An item of the list starts from the plain input defaults, as one read on its own.
        if constexpr (!std::is_same_v<Item, MemberInputData>) input = MemberInputData{};
        if (!readItem(in, input)) return ProjectParseStatus::Malformed;
    }
    return ProjectParseStatus::Ok;
}

} // namespace

ProjectParseStatus parseProject(std::string_view bytes, ProjectContents& out) {
    ProjectContents contents;
    ByteReader in(bytes);
    const ProjectParseStatus status = parseInto(in, contents.common, contents.items);
    if (status == ProjectParseStatus::Ok) out = std::move(contents);
    return status;
}

std::string serializeProject(const CommonInputData& common, const ColumnsData& columns) {
    ByteWriter out;
    std::size_t size = kProjectHeaderSize;
    for (int i = 0; i < columns.Count(); ++i)
        size += kMinItemSize + columns.Item(i).Name.size() * 2;
    out.reserve(size);
    out.padded(kProjectIdentifier, kProjectIdentifierSize);
    out.padded(TARVO_VERSION_TEXT, kProjectVersionSize);
    writeCommon(out, common);
    out.int32(columns.Count());
    for (int i = 0; i < columns.Count(); ++i)
        writeItem(out, columns.Item(i));
    return out.take();
}

int LoadProject(const std::filesystem::path& path, CommonData& common, ColumnsData& columns, MessageSink& messages) {
    const std::string shownPath = path.string();
    // The file is decoded as it is read, a piece at a time: its bytes are
    // never all held beside the items they become.
    std::ifstream file;
    std::uintmax_t size = 0;
    FileReadFailure failure;
    switch (FileReader::open(path, kMaxProjectFileBytes, file, size, &failure)) {
    case FileReadStatus::Ok: break;
    case FileReadStatus::Missing:
    case FileReadStatus::CannotOpen:
        messages.showMessage(MessageKind::Error, withReason(std::string(kCannotOpen) + shownPath,
                                                            describeReadFailure(failure, kMaxProjectFileBytes)));
        return 1;
    case FileReadStatus::TooLarge:
    case FileReadStatus::ReadFailed:
        messages.showMessage(MessageKind::Error, withReason(std::string(kReadFailed) + shownPath,
                                                            describeReadFailure(failure, kMaxProjectFileBytes)));
        return 1;
    }

    int readError = 0;
    ByteReader in(static_cast<std::size_t>(size), [&file, &readError](char* dst, std::size_t max) {
        errno = 0;
        file.read(dst, static_cast<std::streamsize>(max));
        const auto got = static_cast<std::size_t>(file.gcount());
        if (got == 0 && file.bad()) readError = errno != 0 ? errno : EIO;
        return got;
    });
    CommonInputData commonInput;
    std::vector<ColumnMember> items;
    const ProjectParseStatus parsed = parseInto(in, commonInput, items);
    if (readError != 0) {
        messages.showMessage(MessageKind::Error, withReason(std::string(kReadFailed) + shownPath,
                                                            describeReadFailure({FileReadStatus::ReadFailed, readError},
                                                                                kMaxProjectFileBytes)));
        return 1;
    }
    switch (parsed) {
    case ProjectParseStatus::Ok: break;
    case ProjectParseStatus::WrongFormat:
        messages.showMessage(MessageKind::Error, std::string(kWrongFormat) + shownPath);
        return 1;
    case ProjectParseStatus::Malformed:
        messages.showMessage(MessageKind::Error, std::string(kReadFailed) + shownPath);
        return 1;
    }
    columns.Replace(std::move(items));
    common.input() = commonInput;
    common.UpdateVelocityPressure();
    common.UpdateMidHeights();
    return 0;
}

int SaveProject(const std::filesystem::path& path, const CommonData& common, const ColumnsData& columns,
                MessageSink& messages) {
    const std::string bytes = serializeProject(common.input(), columns);
    // The message names the file and, on a line of its own, the reason.
    const std::string failed = std::string(kSaveFailed) + "\n" + path.string();
    if (bytes.size() > kMaxProjectFileBytes) {
        messages.showMessage(MessageKind::Error, withReason(failed, projectTooLargeMessage()));
        return 1;
    }
    const SafeWriteResult result = SafeFileWriter::replace(path, bytes);
    if (!result.ok()) {
        messages.showMessage(MessageKind::Error, withReason(failed, describeWriteFailure(result)));
        return 1;
    }
    return 0;
}

} // namespace tarvo
