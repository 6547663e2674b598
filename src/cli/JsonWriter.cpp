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
        if (c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) continue;
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
    out_.push_back('\n');
    out_.append(hasElement_.size() * 2, ' ');
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
    appendJsonEscaped(out_, name);
    out_ += ": ";
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
