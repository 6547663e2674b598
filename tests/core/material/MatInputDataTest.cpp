#include "core/material/MatInputData.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

MatInputData everyFieldSet() {
    MatInputData m;
    m.ProductStandardNormal = 1;
    m.ProductStandard2x4 = 2;
    m.UseMSR = true;
    m.LaminaCompositionIndex = 3;
    m.LaminaCountIndex = 2;
    m.UnValuationLamina = true;
    m.LVL_Shear_Index = 6;
    m.UseEnvironIndex = 0;
    m.UseEndPosFcv = true;
    m.KindOfWood = {9, 4, 35, 34, 7};
    m.SelectProduct = 3;
    m.SelectGrade = {5, 28, 10, 29, 35};
    return m;
}

TEST(MatInputDataStoredForm, TwentyLittleEndianValuesInDeclaredOrder) {
    const MatInputDataBytes bytes = writeMatInputData(everyFieldSet());
    // Value k sits at byte 4k, lowest byte first.
    const int expected[20] = {1, 2, 1, 3, 2, 1, 6, 0, 1, 9, 4, 35, 34, 7, 3, 5, 28, 10, 29, 35};
    for (std::size_t k = 0; k < 20; ++k) {
        EXPECT_EQ(bytes[4 * k], expected[k]) << "value " << k;
        EXPECT_EQ(bytes[4 * k + 1] | bytes[4 * k + 2] | bytes[4 * k + 3], 0) << "value " << k;
    }
    EXPECT_EQ(readMatInputData(bytes), everyFieldSet());
}

TEST(MatInputDataStoredForm, NegativeValuesRoundTrip) {
    MatInputData m;
    m.KindOfWood[2] = -1;
    m.SelectGrade[4] = -2147483647 - 1;
    const MatInputDataBytes bytes = writeMatInputData(m);
    EXPECT_EQ(bytes[44], 0xFF); // KindOfWood[2] is value 11
    EXPECT_EQ(readMatInputData(bytes), m);
}

TEST(MatInputDataStoredForm, BoolsAreReadFromTheLowestByteOnly) {
    MatInputDataBytes bytes = writeMatInputData(MatInputData{});
    // UseMSR (value 2): upper bytes set, lowest byte 0 → false.
    bytes[8] = 0;
    bytes[9] = 0xFF;
    bytes[10] = 0x01;
    // UnValuationLamina (value 5): lowest byte 1 with noise above → true.
    bytes[20] = 1;
    bytes[23] = 0x7F;
    const MatInputData m = readMatInputData(bytes);
    EXPECT_FALSE(m.UseMSR);
    EXPECT_TRUE(m.UnValuationLamina);
}

TEST(MatInputDataInitialValues, AsANewSelectionStarts) {
    MatInputData m = everyFieldSet();
    initMatInputData(m);
    EXPECT_EQ(m.ProductStandardNormal, 2);
    EXPECT_EQ(m.LaminaCompositionIndex, 1);
    EXPECT_EQ(m.UseEnvironIndex, 2);
    EXPECT_EQ(m.KindOfWood, (std::array<std::int32_t, 5>{0, 3, 0, 0, 0}));
    EXPECT_EQ(m.SelectGrade, (std::array<std::int32_t, 5>{0, 0, 0, 0, 0}));
    EXPECT_FALSE(m.UseMSR || m.UnValuationLamina || m.UseEndPosFcv);

    MatInputData copy;
    copyMatInputData(copy, everyFieldSet());
    EXPECT_EQ(copy, everyFieldSet());
}

} // namespace
} // namespace tarvo
