#pragma once
// Appends little-endian values to one growing byte buffer, so that a whole
// file is built in memory and written in one go.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

class ByteWriter {
public:
    void reserve(std::size_t size) { bytes_.reserve(size); }
    [[nodiscard]] const std::string& bytes() const { return bytes_; }
    [[nodiscard]] std::string take() { return std::move(bytes_); }

    void byte(unsigned value) { bytes_.push_back(static_cast<char>(value & 0xFFu)); }
    void raw(std::string_view data) { bytes_.append(data); }
    // `text` cut or filled with zero bytes to exactly `width` bytes.
    void padded(std::string_view text, std::size_t width) {
        const std::size_t used = text.size() < width ? text.size() : width;
        bytes_.append(text.substr(0, used));
        bytes_.append(width - used, '\0');
    }
    void int32(std::int32_t value) {
        const auto u = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8)
            byte(u >> shift);
    }
    void real(double value) {
        const auto u = std::bit_cast<std::uint64_t>(value);
        for (int shift = 0; shift < 64; shift += 8)
            byte(static_cast<unsigned>(u >> shift));
    }
    // A four-byte flag slot with its three filler bytes.
    void flagSlot(bool flag, unsigned filler1, unsigned filler2, unsigned filler3) {
        byte(flag ? 1 : 0);
        byte(filler1);
        byte(filler2);
        byte(filler3);
    }

private:
    std::string bytes_;
};

} // namespace tarvo
