#include "core/project/ByteReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tarvo {
namespace {

// A source that hands out at most `step` bytes a call, as a slow file does.
ByteReader::Source trickle(const std::string& data, std::size_t step, std::size_t& at) {
    return [&data, step, &at](char* dst, std::size_t max) {
        const std::size_t n = std::min({step, max, data.size() - at});
        std::copy_n(data.data() + at, n, dst);
        at += n;
        return n;
    };
}

TEST(ByteReader, ReadsAcrossPiecesAsFromMemory) {
    // Values larger than one piece and values split over the seams.
    std::string data(700000, 'x');
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 7);
    std::size_t at = 0;
    ByteReader streamed(data.size(), trickle(data, 4093, at));
    ByteReader whole(data);
    std::string_view a;
    std::string_view b;
    for (const std::size_t count : {3u, 262144u, 5u, 300000u, 8u}) {
        ASSERT_TRUE(streamed.bytes(count, a));
        ASSERT_TRUE(whole.bytes(count, b));
        EXPECT_EQ(a, b) << count;
    }
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    ASSERT_TRUE(streamed.uint32(x));
    ASSERT_TRUE(whole.uint32(y));
    EXPECT_EQ(x, y);
    EXPECT_EQ(streamed.remaining(), whole.remaining());
    // More than is left fails and keeps the position.
    EXPECT_FALSE(streamed.bytes(streamed.remaining() + 1, a));
    EXPECT_EQ(streamed.position(), whole.position());
}

TEST(ByteReader, ASourceEndingEarlyFailsTheRead) {
    const std::string data(1000, 'a');
    std::size_t at = 0;
    // The reader was told of more bytes than the source gives (a file that shrank).
    ByteReader reader(2000, trickle(data, 100, at));
    std::string_view out;
    EXPECT_TRUE(reader.bytes(900, out));
    EXPECT_FALSE(reader.bytes(200, out));
}

} // namespace
} // namespace tarvo
