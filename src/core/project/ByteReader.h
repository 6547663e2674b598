#pragma once
// Reads little-endian values from a byte buffer with bounds checks: every
// read either takes all its bytes or fails and leaves the position alone.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvo {

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    [[nodiscard]] std::size_t position() const { return pos_; }
    [[nodiscard]] std::size_t remaining() const { return bytes_.size() - pos_; }

    bool bytes(std::size_t count, std::string_view& out) {
        if (count > remaining()) return false;
        out = bytes_.substr(pos_, count);
        pos_ += count;
        return true;
    }
    bool skip(std::size_t count) {
        std::string_view ignored;
        return bytes(count, ignored);
    }
    bool uint32(std::uint32_t& out) {
        std::string_view raw;
        if (!bytes(4, raw)) return false;
        out = 0;
        for (int i = 3; i >= 0; --i)
            out = (out << 8) | static_cast<unsigned char>(raw[static_cast<std::size_t>(i)]);
        return true;
    }
    bool int32(std::int32_t& out) {
        std::uint32_t u = 0;
        if (!uint32(u)) return false;
        out = static_cast<std::int32_t>(u);
        return true;
    }
    bool real(double& out) {
        std::string_view raw;
        if (!bytes(8, raw)) return false;
        std::uint64_t u = 0;
        for (int i = 7; i >= 0; --i)
            u = (u << 8) | static_cast<unsigned char>(raw[static_cast<std::size_t>(i)]);
        out = std::bit_cast<double>(u);
        return true;
    }
    // A four-byte flag slot: byte 0 is the flag, the other three are ignored.
    bool flagSlot(bool& out) {
        std::string_view raw;
        if (!bytes(4, raw)) return false;
        out = raw[0] != 0;
        return true;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace tarvo
