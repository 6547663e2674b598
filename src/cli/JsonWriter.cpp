#include "cli/JsonWriter.h"

#include <array>
#include <charconv>
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
    out_.reserve(kFlushBytes + kFlushBytes / 4);
}

bool JsonWriter::flush() {
    if (sink_ == nullptr) return true;
    sink_->write(out_.data(), static_cast<std::streamsize>(out_.size()));
    out_.clear();
    return static_cast<bool>(*sink_);
}

void JsonWriter::flushIfFull() {
    if (sink_ != nullptr && out_.size() >= kFlushBytes) flush();
}

void JsonWriter::newline() {
    const std::size_t depth = hasElement_.size();
    if (depth <= kIndentLevels) {
        out_.append(kNewlineAndIndent.data(), 1 + 2 * depth);
        return;
    }
    out_.push_back('\n');
    out_.append(depth * 2, ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasElement_.empty()) {
        if (hasElement_.back()) out_.push_back(',');
        hasElement_.back() = 1;
        newline();
    }
}

void JsonWriter::beginObject() {
    beforeValue();
    out_.push_back('{');
    hasElement_.push_back(0);
}

void JsonWriter::endObject() {
    const bool any = hasElement_.back();
    hasElement_.pop_back();
    if (any) newline();
    out_.push_back('}');
    if (hasElement_.empty()) out_.push_back('\n');
    flushIfFull();
}

void JsonWriter::beginArray() {
    beforeValue();
    out_.push_back('[');
    hasElement_.push_back(0);
}

void JsonWriter::endArray() {
    const bool any = hasElement_.back();
    hasElement_.pop_back();
    if (any) newline();
    out_.push_back(']');
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    // The keys are names of fields: written in one piece when nothing in
    // them needs an escape.
    bool plain = true;
    for (const char c : name)
        plain = plain && !kNeedsEscape[static_cast<unsigned char>(c)];
    if (plain) {
        out_.push_back('"');
        out_.append(name);
        out_.append("\": ", 3);
    } else {
        appendJsonEscaped(out_, name);
        out_.append(": ", 2);
    }
    afterKey_ = true;
}

void JsonWriter::value(double number) {
    beforeValue();
    if (!appendShortestNumber(out_, number)) out_ += "null";
}

void JsonWriter::value(long long number) {
    beforeValue();
    std::array<char, 24> buffer{};
    out_.append(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), number).ptr);
}

void JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    appendJsonEscaped(out_, text);
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

} // namespace tarvo::cli
