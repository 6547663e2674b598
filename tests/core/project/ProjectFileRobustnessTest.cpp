// The project file reader against damaged input: thousands of mutated and
// truncated copies of a valid file, each either read completely or refused
// with the project left exactly as it was.
#include <gtest/gtest.h>

#include <random>

#include "core/project/ColumnsData.h"
#include "core/project/CommonData.h"
#include "core/project/ProjectFile.h"
#include "support/TestFiles.h"

namespace tarvo {
namespace {

const std::filesystem::path kFixtures = std::filesystem::path(TARVO_TEST_DATA_DIR) / "projects";

// One random damage: flipped bytes, a cut, an inserted or removed run, or an
// extreme 32-bit value somewhere.
std::string mutate(const std::string& valid, std::mt19937& rng) {
    std::string bytes = valid;
    const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    switch (pick(5)) {
    case 0:
        for (std::size_t n = 1 + pick(8); n > 0 && !bytes.empty(); --n) {
            bytes[pick(bytes.size())] = static_cast<char>(pick(256));
        }
        break;
    case 1: bytes.resize(pick(bytes.size())); break;
    case 2: bytes.insert(pick(bytes.size()), std::string(1 + pick(40), static_cast<char>(pick(256)))); break;
    case 3: {
        const std::size_t at = pick(bytes.size());
        bytes.erase(at, 1 + pick(40));
        break;
    }
    default: {
        static constexpr std::uint32_t kExtremes[] = {0u, 1u, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0x10000u, 400u};
        const std::uint32_t value = kExtremes[pick(std::size(kExtremes))];
        const std::size_t at = pick(bytes.size() - 3);
        for (std::size_t i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFFu);
        break;
    }
    }
    return bytes;
}

bool sameExceptNames(const ProjectContents& a, const ProjectContents& b) {
    if (!(a.common == b.common) || a.items.size() != b.items.size()) return false;
    for (std::size_t i = 0; i < a.items.size(); ++i) {
        MemberInputData x = a.items[i];
        MemberInputData y = b.items[i];
        x.Name.clear();
        y.Name.clear();
        if (!(x == y)) return false;
    }
    return true;
}

TEST(ProjectFileRobustness, MutatedFilesAreReadWhollyOrNotAtAll) {
    const std::string valid = test::readBytes(kFixtures / "valid_two_items.tvp");
    ASSERT_GT(valid.size(), kProjectHeaderSize);
    std::mt19937 rng(20240601u);

    ProjectContents sentinel;
    sentinel.common.V0Index = 7;
    sentinel.items.resize(1);
    sentinel.items[0].Name = "sentinel";

    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string bytes = mutate(valid, rng);
        ProjectContents out = sentinel;
        const ProjectParseStatus status = parseProject(bytes, out);
        if (status != ProjectParseStatus::Ok) {
            ASSERT_EQ(out.common, sentinel.common) << "round " << round;
            ASSERT_EQ(out.items.size(), 1u) << "round " << round;
            ASSERT_EQ(out.items[0], sentinel.items[0]) << "round " << round;
            continue;
        }
        ++accepted;
        ASSERT_GE(out.items.size(), 1u);
        // What was accepted writes back to a file that reads the same.
        ColumnsData columns;
        std::vector<ColumnMember> items(out.items.size());
        for (std::size_t i = 0; i < items.size(); ++i)
            items[i].input() = out.items[i];
        ASSERT_TRUE(columns.Replace(std::move(items)));
        ProjectContents again;
        ASSERT_EQ(parseProject(serializeProject(out.common, columns), again), ProjectParseStatus::Ok);
        ASSERT_TRUE(sameExceptNames(out, again)) << "round " << round;
    }
    // Harmless damage (a flag filler byte, a changed real) is accepted: the
    // mutations must reach deep into the file, not only break the header.
    EXPECT_GT(accepted, 100);
}

TEST(ProjectFileRobustness, LoadingMutatedFilesNeverTouchesTheProjectOnFailure) {
    const std::string valid = test::readBytes(kFixtures / "valid_two_items.tvp");
    test::TempDir dir;
    const auto path = dir / "mutated.tvp";
    std::mt19937 rng(7u);
    for (int round = 0; round < 300; ++round) {
        CommonData common;
        ColumnsData columns;
        columns.Item(0).Name = "before";
        common.FirstFloorLevel = 1.5;
        common.UpdateMidHeights();
        const CommonInputData commonBefore = common.input();
        const auto midBefore = common.MidHeight;
        test::writeBytes(path, mutate(valid, rng));
        NullMessageSink messages;
        if (LoadProject(path, common, columns, messages) != 0) {
            ASSERT_EQ(common.input(), commonBefore);
            ASSERT_EQ(common.MidHeight, midBefore);
            ASSERT_EQ(columns.Count(), 1);
            ASSERT_EQ(columns.Item(0).Name, "before");
        } else {
            ASSERT_GE(columns.Count(), 1);
        }
    }
}

} // namespace
} // namespace tarvo
