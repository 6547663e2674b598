#pragma once
// A small streaming JSON writer for the machine-readable output of the
// subcommands: UTF-8 text, numbers with full round-trip precision,
// non-finite numbers as null. Given a stream, it hands the text on in
// pieces of some tens of kilobytes as it goes (the document is never held
// whole); without one it keeps the text for text().
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::cli {

class JsonWriter {
public:
    JsonWriter() = default;
    explicit JsonWriter(std::ostream& sink);

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // Inside an object every value is preceded by its key.
    void key(std::string_view name);
    void value(double number);
    void value(long long number);
    void value(int number) { value(static_cast<long long>(number)); }
    void value(bool flag);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void null();

    // A key and its value, inside an object.
    template <typename T> void member(std::string_view name, const T& v) {
        key(name);
        value(v);
    }

    // The text not yet handed to the stream (all of it without a stream).
    [[nodiscard]] std::string_view text() const { return {out_.data(), used_}; }
    // Hands the text so far to the stream; false when the stream failed.
    bool flush();

private:
    void beforeValue();
    void newline();
    void flushIfFull();
    // Room for `size` more bytes at the end of the text.
    char* room(std::size_t size) {
        if (used_ + size > out_.size()) grow(size);
        return out_.data() + used_;
    }
    void grow(std::size_t size);
    void put(char c) {
        *room(1) = c;
        ++used_;
    }
    void put(std::string_view text) {
        std::memcpy(room(text.size()), text.data(), text.size());
        used_ += text.size();
    }
    void putEscaped(std::string_view text);

    std::ostream* sink_ = nullptr;
    // The text is the first used_ bytes; the rest is room to write into
    // without a check per byte.
    std::string out_;
    std::size_t used_ = 0;
    // A number's text before it is put.
    std::string number_;
    // Per open container: whether it already holds an element.
    std::vector<char> hasElement_;
    bool afterKey_ = false;
};

std::string jsonEscape(std::string_view text);
// The same, appended to `out`.
void appendJsonEscaped(std::string& out, std::string_view text);

} // namespace tarvo::cli
