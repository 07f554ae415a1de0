#include "korvex/numeric/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace korvex::numeric {

std::string FormatGeneral(long double x, int digits) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  if (x == 0) return "0";
  digits = std::clamp(digits, 1, 21);

  // Round once to the requested significant digits; the scientific text gives
  // the digit string and the decimal exponent of the rounded value.
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, digits - 1);
  const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  const bool negative = sci.front() == '-';
  const std::size_t epos = sci.find('e');
  std::string mantissa;
  for (char c : sci.substr(negative ? 1 : 0, epos - (negative ? 1 : 0))) {
    if (c != '.') mantissa += c;
  }
  const int exponent = std::atoi(std::string(sci.substr(epos + 1)).c_str());
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent < -5 || exponent >= digits) {
    out += mantissa.front();
    if (mantissa.size() > 1) {
      out += '.';
      out += mantissa.substr(1);
    }
    out += 'E';
    out += std::to_string(exponent);
  } else if (exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += mantissa;
  } else {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (mantissa.size() <= whole) {
      out += mantissa;
      out.append(whole - mantissa.size(), '0');
    } else {
      out += mantissa.substr(0, whole);
      out += '.';
      out += mantissa.substr(whole);
    }
  }
  return out;
}

RealParse ParseReal(std::string_view text, long double& value, bool allow_plus) {
  if (allow_plus && !text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return RealParse::kInvalid;
  // Only plain decimal spellings: from_chars would also take "inf" and "nan".
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+')) {
      return RealParse::kInvalid;
    }
  }
  if (text.front() == '+') return RealParse::kInvalid;
  long double v = 0;
  const char* end = text.data() + text.size();
  const auto res = std::from_chars(text.data(), end, v, std::chars_format::general);
  if (res.ptr != end) return RealParse::kInvalid;
  if (res.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone; tell underflow from overflow by the
    // exponent's sign.
    const std::size_t e = text.find_first_of("eE");
    if (e != std::string_view::npos && e + 1 < text.size() && text[e + 1] == '-') {
      value = 0;
      return RealParse::kOk;
    }
    return RealParse::kOverflow;
  }
  if (res.ec != std::errc()) return RealParse::kInvalid;
  value = v;
  return RealParse::kOk;
}

}  // namespace korvex::numeric
