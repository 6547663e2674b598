#include "core/print/ClipboardLayout.h"

#include "core/print/OutputInfo.h"
#include "core/print/PrintSettings.h"

namespace tarvo {
namespace {

constexpr std::int32_t kPictureOrigin = 1;
constexpr std::int32_t kWidthMargin = 4;
constexpr std::int32_t kHeightMargin = 2;

} // namespace

ClipboardPicture layoutClipboardPicture(OutputInfo& layout, const PrintSettings& settings, int pageIndex) {
    ClipboardPicture picture;
    layout.left = kPictureOrigin;
    layout.top = kPictureOrigin;
    picture.titleShown = pageIndex == 1 && settings.titleShown();
    if (picture.titleShown) {
        picture.width = layout.maxWidth + layout.indent + kWidthMargin;
    } else {
        layout.indent = 0;
        picture.width = layout.maxWidth + kWidthMargin;
    }
    return picture;
}

std::int32_t clipboardPictureHeight(int textEndY) {
    return textEndY + kHeightMargin;
}

} // namespace tarvo
