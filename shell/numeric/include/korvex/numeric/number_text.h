#pragma once
// Locale-independent number text: "." is always the decimal separator.
#include <optional>
#include <string>
#include <string_view>

namespace korvex::numeric {

// General format with `digits` significant digits (1..21): the shortest text,
// fixed point while the value is at least 1E-5 and has no more than `digits`
// integral digits, otherwise scientific as in "1.5E-7" or "2E20" (no "+", no
// leading exponent zeros). Trailing zeros and a bare point are dropped; zero
// is "0"; non-finite values are "NAN", "INF" and "-INF".
std::string FormatGeneral(long double x, int digits);

// Digit counts used by the shell: table cells and data files, and the
// evaluator's intermediate results and the edit field.
inline constexpr int kCellDigits = 8;
inline constexpr int kEntryDigits = 18;

// Outcome of reading a real number text.
enum class RealParse { kOk, kInvalid, kOverflow };

// Reads a whole text as a real: optional "-", digits with an optional ".",
// optional exponent "e" or "E" with an optional sign. A leading "+" is
// accepted when `allow_plus` is set. Values too small for the type read as 0;
// values too large give kOverflow. Infinity and NaN spellings are invalid.
RealParse ParseReal(std::string_view text, long double& value, bool allow_plus = false);

}  // namespace korvex::numeric
