#pragma once
// Conversion between a 2x4 nominal size code (104, 204, ...) and the actual
// section b × D in mm ("Size codes").
#include <cstdint>
#include <string_view>

namespace tarvo {

// Reads `text` as a decimal integer (leading spaces allowed, nothing after
// the digits) and, when it is a size code of the table, sets b and D to its
// dimensions and returns true. Otherwise b and D are left unchanged and the
// result is false.
bool sizeToDims(std::string_view text, double& b, double& D);
// The same for the size code itself.
bool sizeCodeToDims(std::int64_t code, double& b, double& D);

// The size code of b × D: the thickness gives the first digit (19 "1",
// 38 "2", 89 "4", 140 "6"), the width the last two (64 "03", 89 "04",
// 140 "06", 184 "08", 235 "10", 286 "12", 336 "14", 387 "16"). Every pairing
// is produced, also codes the size table does not hold (19 × 64 gives 103).
// 0 when either dimension is not one of these exact values.
[[nodiscard]] int dimsToSize(double b, double D);

} // namespace tarvo
