#pragma once
// printf-style formatting into a std::string, for report and message texts.
// The compiler checks the arguments against the format; pass std::string
// arguments with .c_str(). Text is UTF-8, so "%-10s" pads by bytes, as the
// report layout expects for its ASCII columns. Fixed-point conversions
// ("%.2f") round halves away from zero: 110.25 prints as "110.3".
#include <cstdarg>
#include <string>

namespace tarvo {

#if defined(__GNUC__) || defined(__clang__)
#define TARVO_PRINTF_FORMAT(fmtIndex, argIndex) __attribute__((format(printf, fmtIndex, argIndex)))
#else
#define TARVO_PRINTF_FORMAT(fmtIndex, argIndex)
#endif

std::string formatText(const char* format, ...) TARVO_PRINTF_FORMAT(1, 2);
std::string formatTextV(const char* format, std::va_list args);
// The same text appended to `out`, without a string of its own.
void appendFormat(std::string& out, const char* format, ...) TARVO_PRINTF_FORMAT(2, 3);
void appendFormatV(std::string& out, const char* format, std::va_list args);

// The widest a fixed-point number of a report line or the result sheet is
// printed; ordinary values of any column fit ("12345.67").
inline constexpr int kReportNumberWidth = 8;

// As formatText, but a plain fixed-point conversion ("%.2f") whose text
// would be wider than kReportNumberWidth characters is written by
// `compactNumber` instead, so that a line keeps its width whatever its values.
std::string formatReportText(const char* format, ...) TARVO_PRINTF_FORMAT(1, 2);
// The same, appended to `out`.
void appendReportFormat(std::string& out, const char* format, ...) TARVO_PRINTF_FORMAT(2, 3);

// `value` in exponent form without a plus sign or leading zeros of the
// exponent ("1.182e9", "-2.5e-7"), with the most decimals (3 at most) that
// keep it within `width` characters.
std::string compactNumber(double value, int width);

// Shortest decimal text that reads back as the same double ("0.7", "1.43",
// "12000"); the report prints factors and table values this way.
std::string shortestDecimal(double value);

} // namespace tarvo
