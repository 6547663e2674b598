#include "cli/JsonWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <ostream>

#include "core/text/NumberText.h"

namespace tarvo::cli {
namespace {

// The text is handed on once it holds this much.
constexpr std::size_t kFlushBytes = std::size_t{64} * 1024;

// The bytes a JSON string cannot hold as they are: the quote, the
// backslash and the controls.
constexpr std::array<bool, 256> kNeedsEscape = [] {
    std::array<bool, 256> table{};
    for (std::size_t b = 0; b < 0x20; ++b)
        table[b] = true;
    table['"'] = true;
    table['\\'] = true;
    return table;
}();

// Whether one of the eight bytes of `word` is a control, a quote or a
// backslash (it may say so of a word without one, never the other way).
constexpr bool mayNeedEscape(std::uint64_t word) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    const auto hasZeroByte = [](std::uint64_t x) { return ((x - ones) & ~x & highs) != 0; };
    const bool below20 = ((word - ones * 0x20) & ~word & highs) != 0;
    return below20 || hasZeroByte(word ^ (ones * '"')) || hasZeroByte(word ^ (ones * '\\'));
}

// A line break and the indentation of the deepest nesting written in one piece.
constexpr std::size_t kIndentLevels = 32;
constexpr std::array<char, 1 + 2 * kIndentLevels> kNewlineAndIndent = [] {
    std::array<char, 1 + 2 * kIndentLevels> text{};
    text[0] = '\n';
    for (std::size_t i = 1; i < text.size(); ++i)
        text[i] = ' ';
    return text;
}();

} // namespace

std::string jsonEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    appendJsonEscaped(out, text);
    return out;
}

void appendJsonEscaped(std::string& out, std::string_view text) {
    out.push_back('"');
    // Runs of characters that need no escape go in one piece.
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!kNeedsEscape[static_cast<unsigned char>(c)]) continue;
        out.append(text.data() + run, i - run);
        run = i + 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: {
            std::array<char, 8> buf{};
            std::snprintf(buf.data(), buf.size(), "\\u%04x", static_cast<unsigned>(c));
            out += buf.data();
        }
        }
    }
    out.append(text.data() + run, text.size() - run);
    out.push_back('"');
}

JsonWriter::JsonWriter(std::ostream& sink) : sink_(&sink) {
    out_.resize(kFlushBytes + kFlushBytes / 4);
}

void JsonWriter::grow(std::size_t size) {
    out_.resize(std::max(out_.size() * 2, used_ + size + kFlushBytes / 4));
}

void JsonWriter::putEscaped(std::string_view text) {
    // Most texts need no escape: they are copied and checked in one pass.
    char* at = room(text.size() + 2);
    at[0] = '"';
    std::size_t i = 0;
    // Eight bytes at a time while none of them needs an escape.
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + i, 8);
        if (mayNeedEscape(word)) break;
        std::memcpy(at + 1 + i, &word, 8);
    }
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (kNeedsEscape[static_cast<unsigned char>(c)]) break;
        at[i + 1] = c;
    }
    if (i == text.size()) {
        at[i + 1] = '"';
        used_ += text.size() + 2;
        return;
    }
    number_.clear();
    appendJsonEscaped(number_, text);
    put(number_);
}

bool JsonWriter::flush() {
    if (sink_ == nullptr) return true;
    sink_->write(out_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
    return static_cast<bool>(*sink_);
}

void JsonWriter::flushIfFull() {
    if (sink_ != nullptr && used_ >= kFlushBytes) flush();
}

void JsonWriter::newline() {
    const std::size_t depth = hasElement_.size();
    if (depth <= kIndentLevels) {
        // The whole piece is copied (a copy of known size costs a few moves);
        // the text takes its first 1 + 2 * depth bytes.
        std::memcpy(room(kNewlineAndIndent.size()), kNewlineAndIndent.data(), kNewlineAndIndent.size());
        used_ += 1 + 2 * depth;
        return;
    }
    put('\n');
    for (std::size_t i = 0; i < depth; ++i)
        put("  ");
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasElement_.empty()) {
        if (hasElement_.back()) put(',');
        hasElement_.back() = 1;
        newline();
    }
}

void JsonWriter::beginObject() {
    beforeValue();
    put('{');
    hasElement_.push_back(0);
}

void JsonWriter::endObject() {
    const bool any = hasElement_.back();
    hasElement_.pop_back();
    if (any) newline();
    put('}');
    if (hasElement_.empty()) put('\n');
    flushIfFull();
}

void JsonWriter::beginArray() {
    beforeValue();
    put('[');
    hasElement_.push_back(0);
}

void JsonWriter::endArray() {
    const bool any = hasElement_.back();
    hasElement_.pop_back();
    if (any) newline();
    put(']');
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    putEscaped(name);
    put(": ");
    afterKey_ = true;
}

void JsonWriter::value(double number) {
    beforeValue();
    char* at = room(kShortestNumberMaxChars);
    if (const char* end = writeShortestNumber(at, number)) {
        used_ += static_cast<std::size_t>(end - at);
    } else {
        put("null");
    }
}

void JsonWriter::value(long long number) {
    beforeValue();
    std::array<char, 24> buffer{};
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number).ptr;
    put(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

void JsonWriter::value(bool flag) {
    beforeValue();
    put(flag ? "true" : "false");
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    putEscaped(text);
}

void JsonWriter::null() {
    beforeValue();
    put("null");
}

} // namespace tarvo::cli
