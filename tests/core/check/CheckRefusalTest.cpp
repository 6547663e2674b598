#include "core/check/CheckRefusal.h"

#include <gtest/gtest.h>

#include <string>

#include "core/check/ColumnCheck.h"
#include "core/material/MatDataBase.h"
#include "core/project/CommonData.h"

namespace tarvo {
namespace {

class CheckRefusalTest : public ::testing::Test {
protected:
    // A 105 × 105 sawn column, 2800 mm, 50 kN in the permanent case.
    static ColumnMember column() {
        ColumnMember item;
        item.B = 105;
        item.D = 105;
        item.Lkx = 2800;
        item.AxialForce[0] = 50;
        return item;
    }
    // The message of `item` with the code its own check gives.
    std::string message(const ColumnMember& item) {
        return CheckRefusalMessage(item, check.CheckColumn(item).ResultCode);
    }

    MatDataBase catalogue;
    CommonData common;
    ColumnCheck check{catalogue, common};
};

TEST_F(CheckRefusalTest, EachMissingEntryIsNamed) {
    EXPECT_EQ(message(column()), "");

    ColumnMember item = column();
    item.B = 0;
    EXPECT_EQ(message(item), "断面寸法 b が入力されていません。");
    item.D = 0;
    EXPECT_EQ(message(item), "断面寸法 b, D が入力されていません。");
    item.B = 105;
    EXPECT_EQ(message(item), "断面寸法 D が入力されていません。");
    item.Shape = kRound;
    item.B = 0;
    EXPECT_EQ(message(item), "断面寸法 D（直径）が入力されていません。");

    item = column();
    item.Lkx = 0;
    EXPECT_EQ(message(item), "座屈長さ Lkx が入力されていません。");

    item = column();
    item.AxialForce = {};
    EXPECT_EQ(message(item), "軸圧縮力が入力されていません。");
}

TEST_F(CheckRefusalTest, DamagedEntriesAndOtherCodesSayWhatIsWrong) {
    ColumnMember item = column();
    item.Members = 0;
    EXPECT_EQ(message(item), "本数が 0 です。");
    item = column();
    item.LkyDirect = true;
    item.Lky = -1;
    EXPECT_EQ(message(item), "座屈長さ Lky が 0 より小さい値です。");
    item = column();
    item.Lkx = 6000;
    EXPECT_EQ(message(item), "細長比が 150 を超えています。");
    // Every code that refuses an item has a message.
    for (int code = kCheckNoSection; code <= kCheckResultNotFinite; ++code) {
        if (code == 4 || code == 5) continue; // codes no check gives
        EXPECT_FALSE(CheckRefusalMessage(column(), code).empty()) << code;
    }
}

} // namespace
} // namespace tarvo
