#pragma once
// A font as the print layout names it: a face name, a size in points and a
// style. The names are those the user chose ("ＭＳ Ｐ明朝" and the like); the
// drawing side maps them to installed faces.
#include <string>
#include <string_view>

namespace tarvo {

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

inline constexpr FontStyle kRegularStyle{};
inline constexpr FontStyle kItalicStyle{false, true, false, false};

struct FontSpec {
    std::string name;
    int sizePt = 10;
    FontStyle style;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The stored text of a style: "Bold", "Italic", "Bold & Italic" or empty.
// Underline and strike-out are not kept.
std::string fontStyleText(FontStyle style);
// The style of a stored text; any text other than the three names is regular.
FontStyle parseFontStyleText(std::string_view text);

} // namespace tarvo
