#pragma once
// Reads little-endian values from a byte buffer with bounds checks: every
// read either takes all its bytes or fails and leaves the position alone.
// The bytes are a buffer in memory or a file of known size read through a
// source in pieces of 256 KiB, so that a large file is never held whole
// while it is decoded; a view `bytes` hands out stays valid until the next
// read.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace tarvo {

class ByteReader {
public:
    // Fills `dst` with up to `max` bytes; 0 at the end or on a failure.
    using Source = std::function<std::size_t(char* dst, std::size_t max)>;

    explicit ByteReader(std::string_view bytes) : window_(bytes), total_(bytes.size()) {}
    ByteReader(std::size_t total, Source source) : total_(total), source_(std::move(source)) {}

    [[nodiscard]] std::size_t position() const { return pos_; }
    [[nodiscard]] std::size_t remaining() const { return total_ - pos_; }

    bool bytes(std::size_t count, std::string_view& out) {
        if (count > remaining()) return false;
        if (pos_ - base_ + count > window_.size() && !refill(count)) return false;
        out = window_.substr(pos_ - base_, count);
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
    static constexpr std::size_t kPiece = std::size_t{1} << 18;

    // Keeps the bytes not yet read and reads on until `count` of them are at
    // hand; false when the source ends first.
    bool refill(std::size_t count) {
        if (!source_) return false;
        const std::size_t kept = window_.size() - (pos_ - base_);
        const std::size_t wanted = std::min(std::max(count, kPiece), remaining());
        if (buffer_.size() < wanted) {
            std::string larger(wanted, '\0');
            // Before the first piece there is nothing kept (and no window to copy from).
            if (kept > 0) std::memcpy(larger.data(), window_.data() + (pos_ - base_), kept);
            buffer_.swap(larger);
        } else if (kept > 0) {
            std::memmove(buffer_.data(), window_.data() + (pos_ - base_), kept);
        }
        std::size_t filled = kept;
        while (filled < wanted) {
            const std::size_t got = source_(buffer_.data() + filled, wanted - filled);
            if (got == 0) break;
            filled += got;
        }
        window_ = std::string_view(buffer_.data(), filled);
        base_ = pos_;
        return filled >= count;
    }

    std::string_view window_; // the bytes at hand, from file position `base_`
    std::size_t total_ = 0;
    Source source_;
    std::string buffer_;
    std::size_t base_ = 0;
    std::size_t pos_ = 0;
};

} // namespace tarvo
