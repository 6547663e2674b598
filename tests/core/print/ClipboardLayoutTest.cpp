#include "core/print/ClipboardLayout.h"

#include <gtest/gtest.h>

#include "core/print/OutputInfo.h"
#include "core/print/PrintSettings.h"

namespace tarvo {
namespace {

OutputInfo measuredLayout() {
    OutputInfo layout;
    layout.left = 76;
    layout.top = 57;
    layout.indent = 19;
    layout.maxWidth = 500;
    return layout;
}

TEST(ClipboardPicture, PageOneWithTitleKeepsTheIndentInItsWidth) {
    OutputInfo layout = measuredLayout();
    PrintSettings settings;
    settings.title = "§　柱の設計";
    const ClipboardPicture picture = layoutClipboardPicture(layout, settings, 1);
    EXPECT_TRUE(picture.titleShown);
    EXPECT_EQ(picture.width, 500 + 19 + 4);
    EXPECT_EQ(layout.indent, 19);
    EXPECT_EQ(layout.left, 1);
    EXPECT_EQ(layout.top, 1);
}

TEST(ClipboardPicture, OtherPagesAndUntitledPagesSetTheBodyFlushLeft) {
    PrintSettings titled;
    titled.title = "§　柱の設計";
    PrintSettings titleOff = titled;
    titleOff.printTitle = false;
    PrintSettings emptyTitle;
    emptyTitle.title = "";
    for (const auto& [settings, page] : {std::pair{titled, 2}, std::pair{titleOff, 1}, std::pair{emptyTitle, 1}}) {
        OutputInfo layout = measuredLayout();
        const ClipboardPicture picture = layoutClipboardPicture(layout, settings, page);
        EXPECT_FALSE(picture.titleShown) << page;
        EXPECT_EQ(picture.width, 504) << page;
        EXPECT_EQ(layout.indent, 0) << page;
        EXPECT_EQ(layout.left, 1) << page;
    }
}

TEST(ClipboardPicture, HeightIsTheTextEndPlusTwo) {
    EXPECT_EQ(clipboardPictureHeight(318), 320);
}

} // namespace
} // namespace tarvo
