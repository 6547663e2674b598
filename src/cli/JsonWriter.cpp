#include "cli/JsonWriter.h"

#include <array>
#include <cstdio>

#include "core/text/NumberText.h"

namespace tarvo::cli {

std::string jsonEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back('"');
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> buf{};
                std::snprintf(buf.data(), buf.size(), "\\u%04x", static_cast<unsigned>(c));
                out += buf.data();
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
    return out;
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
        hasElement_.back() = true;
        newline();
    }
}

void JsonWriter::beginObject() {
    beforeValue();
    out_.push_back('{');
    hasElement_.push_back(false);
}

void JsonWriter::endObject() {
    const bool any = hasElement_.back();
    hasElement_.pop_back();
    if (any) newline();
    out_.push_back('}');
    if (hasElement_.empty()) out_.push_back('\n');
}

void JsonWriter::beginArray() {
    beforeValue();
    out_.push_back('[');
    hasElement_.push_back(false);
}

void JsonWriter::endArray() {
    const bool any = hasElement_.back();
    hasElement_.pop_back();
    if (any) newline();
    out_.push_back(']');
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ += jsonEscape(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::value(double number) {
    beforeValue();
    if (!appendShortestNumber(out_, number)) out_ += "null";
}

void JsonWriter::value(long long number) {
    beforeValue();
    out_ += std::to_string(number);
}

void JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    out_ += jsonEscape(text);
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

} // namespace tarvo::cli
