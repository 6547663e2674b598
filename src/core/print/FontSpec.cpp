#include "core/print/FontSpec.h"

namespace tarvo {

std::string fontStyleText(FontStyle style) {
    if (style.bold && style.italic) return "Bold & Italic";
    if (style.bold) return "Bold";
    if (style.italic) return "Italic";
    return {};
}

FontStyle parseFontStyleText(std::string_view text) {
    FontStyle style;
    if (text == "Bold") {
        style.bold = true;
    } else if (text == "Italic") {
        style.italic = true;
    } else if (text == "Bold & Italic") {
        style.bold = true;
        style.italic = true;
    }
    return style;
}

} // namespace tarvo
