#pragma once
// A small streaming JSON writer for the machine-readable output of the
// subcommands: UTF-8 text, numbers with full round-trip precision,
// non-finite numbers as null. Given a stream, it hands the text on in
// pieces of some tens of kilobytes as it goes (the document is never held
// whole); without one it keeps the text for text().
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
    [[nodiscard]] const std::string& text() const { return out_; }
    // Hands the text so far to the stream; false when the stream failed.
    bool flush();

private:
    void beforeValue();
    void newline();
    void flushIfFull();

    std::ostream* sink_ = nullptr;
    std::string out_;
    // Per open container: whether it already holds an element.
    std::vector<char> hasElement_;
    bool afterKey_ = false;
};

std::string jsonEscape(std::string_view text);
// The same, appended to `out`.
void appendJsonEscaped(std::string& out, std::string_view text);

} // namespace tarvo::cli
