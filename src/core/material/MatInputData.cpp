#include "core/material/MatInputData.h"

namespace tarvo {
namespace {

void putInt32(MatInputDataBytes& out, std::size_t& pos, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out[pos++] = static_cast<unsigned char>((u >> shift) & 0xFFu);
}

std::int32_t getInt32(const MatInputDataBytes& in, std::size_t& pos) {
    std::uint32_t u = 0;
    for (int shift = 0; shift < 32; shift += 8)
        u |= static_cast<std::uint32_t>(in[pos++]) << shift;
    return static_cast<std::int32_t>(u);
}

// A stored bool is a 32-bit slot whose lowest byte is the flag.
bool getBool(const MatInputDataBytes& in, std::size_t& pos) {
    const bool flag = in[pos] != 0;
    pos += 4;
    return flag;
}

} // namespace

void initMatInputData(MatInputData& data) {
    data = MatInputData{};
}

void copyMatInputData(MatInputData& target, const MatInputData& source) {
    target = source;
}

MatInputDataBytes writeMatInputData(const MatInputData& data) {
    MatInputDataBytes out{};
    std::size_t pos = 0;
    putInt32(out, pos, data.ProductStandardNormal);
    putInt32(out, pos, data.ProductStandard2x4);
    putInt32(out, pos, data.UseMSR ? 1 : 0);
    putInt32(out, pos, data.LaminaCompositionIndex);
    putInt32(out, pos, data.LaminaCountIndex);
    putInt32(out, pos, data.UnValuationLamina ? 1 : 0);
    putInt32(out, pos, data.LVL_Shear_Index);
    putInt32(out, pos, data.UseEnvironIndex);
    putInt32(out, pos, data.UseEndPosFcv ? 1 : 0);
    for (const auto kind : data.KindOfWood)
        putInt32(out, pos, kind);
    putInt32(out, pos, data.SelectProduct);
    for (const auto grade : data.SelectGrade)
        putInt32(out, pos, grade);
    return out;
}

MatInputData readMatInputData(const MatInputDataBytes& bytes) {
    MatInputData data;
    std::size_t pos = 0;
    data.ProductStandardNormal = getInt32(bytes, pos);
    data.ProductStandard2x4 = getInt32(bytes, pos);
    data.UseMSR = getBool(bytes, pos);
    data.LaminaCompositionIndex = getInt32(bytes, pos);
    data.LaminaCountIndex = getInt32(bytes, pos);
    data.UnValuationLamina = getBool(bytes, pos);
    data.LVL_Shear_Index = getInt32(bytes, pos);
    data.UseEnvironIndex = getInt32(bytes, pos);
    data.UseEndPosFcv = getBool(bytes, pos);
    for (auto& kind : data.KindOfWood)
        kind = getInt32(bytes, pos);
    data.SelectProduct = getInt32(bytes, pos);
    for (auto& grade : data.SelectGrade)
        grade = getInt32(bytes, pos);
    return data;
}

} // namespace tarvo
