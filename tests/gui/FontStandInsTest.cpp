#include "gui/print/FontStandIns.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>

namespace tarvo::gui {
namespace {

TEST(FontStandIns, WindowsNamesResolveToInstalledFaces) {
    struct Case {
        const char* name;
        const char* family;
    };
    for (const Case c : {Case{"ＭＳ Ｐゴシック", "IPAPGothic"}, Case{"MS PGothic", "IPAPGothic"},
                         Case{"ＭＳ Ｐ明朝", "IPAPMincho"}, Case{"MS PMincho", "IPAPMincho"},
                         Case{"ＭＳ ゴシック", "IPAGothic"}, Case{"ＭＳ 明朝", "IPAMincho"}, Case{"Century", "C059"}}) {
        EXPECT_EQ(standInFamily(c.name), QString::fromLatin1(c.family)) << c.name;
        // The stand-in is installed: Qt resolves it to itself, not a fallback.
        const QFontInfo info(QFont(standInFamily(c.name)));
        EXPECT_TRUE(info.family().startsWith(QString::fromLatin1(c.family))) << c.name; // "C059 [UKWN]"
        // A QFont made with the Windows name finds the stand-in too.
        EXPECT_TRUE(QFontInfo(QFont(QString::fromUtf8(c.name))).family().startsWith(QString::fromLatin1(c.family)))
            << c.name;
    }
    EXPECT_EQ(standInFamily("IPAexMincho"), QStringLiteral("IPAexMincho"));
}

} // namespace
} // namespace tarvo::gui
