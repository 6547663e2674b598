#pragma once
// A small streaming JSON writer for the machine-readable output of the
// subcommands: UTF-8 text, numbers with full round-trip precision,
// non-finite numbers as null.
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::cli {

class JsonWriter {
public:
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

    [[nodiscard]] const std::string& text() const { return out_; }

private:
    void beforeValue();
    void newline();

    std::string out_;
    // Per open container: whether it already holds an element.
    std::vector<bool> hasElement_;
    bool afterKey_ = false;
};

std::string jsonEscape(std::string_view text);

} // namespace tarvo::cli
