#pragma once
// The picture of one preview page put on the clipboard: the page's text at
// actual screen size, cropped to the text with a small margin, without the
// page number.
#include <cstdint>

namespace tarvo {

struct OutputInfo;
struct PrintSettings;

struct ClipboardPicture {
    std::int32_t width = 0;
    bool titleShown = false; // the title block is part of the picture
};

// Moves the text of `layout` (scaled for the screen, its maxWidth measured)
// to one pixel from the picture's top-left corner and returns the picture's
// width: the widest line plus the indent when the title is shown (page 1 with
// a title), otherwise the widest line with the body set flush left (the
// indent becomes 0); 4 pixels of margin in both cases.
ClipboardPicture layoutClipboardPicture(OutputInfo& layout, const PrintSettings& settings, int pageIndex);

// The picture's height for a page whose text ends at `textEndY`.
std::int32_t clipboardPictureHeight(int textEndY);

} // namespace tarvo
