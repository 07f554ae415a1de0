#include "korvex/engine/fixed_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvex::engine::fmt {
namespace {

std::string stars(int w) { return std::string(w > 0 ? static_cast<std::size_t>(w) : 0U, '*'); }

std::string right(int w, const std::string& s) {
  if (w <= 0) return {};
  if (static_cast<int>(s.size()) > w) return stars(w);
  return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

// NaN and infinities as a Fortran runtime shows them, right-justified.
bool non_finite(int w, double v, std::string& out) {
  if (std::isfinite(v)) return false;
  std::string s = std::isnan(v) ? "NaN" : (v < 0 ? "-Infinity" : "Infinity");
  if (static_cast<int>(s.size()) > w) s = std::isnan(v) ? "NaN" : (v < 0 ? "-Inf" : "Inf");
  out = right(w, s);
  return true;
}

// Exponent form with `lead` digits before the point and `frac` after it.
// Returns the mantissa text (sign included) and the decimal exponent.
void exponent_parts(double v, int lead, int frac, std::string& mantissa, int& exponent) {
  const int digits = lead + frac;  // significant digits
  char buf[64];
  if (v == 0.0) {
    exponent = 0;
    std::string m = std::signbit(v) ? "-" : "";
    m += std::string(static_cast<std::size_t>(lead > 0 ? lead : 1), '0');
    m += '.';
    m += std::string(static_cast<std::size_t>(frac), '0');
    mantissa = m;
    return;
  }
  std::snprintf(buf, sizeof buf, "%.*e", digits > 0 ? digits - 1 : 0, v);
  // buf: [-]d.ddde[+-]xx
  std::string s(buf);
  const auto epos = s.find('e');
  const int e10 = std::atoi(s.c_str() + epos + 1);
  std::string sign = s[0] == '-' ? "-" : "";
  std::string ds;
  for (std::size_t i = sign.size(); i < epos; ++i)
    if (s[i] != '.') ds += s[i];
  // ds holds `digits` significant digits d1 d2 ...; value = 0.d1d2... * 10^(e10+1)
  exponent = e10 + 1 - lead;
  std::string m = sign;
  if (lead == 0) {
    m += "0.";
    m += ds;
  } else {
    m += ds.substr(0, static_cast<std::size_t>(lead));
    m += '.';
    m += ds.substr(static_cast<std::size_t>(lead));
  }
  mantissa = m;
}

std::string exponent_field(int w, int d, double v, int lead, char letter) {
  std::string out;
  if (non_finite(w, v, out)) return out;
  std::string mantissa;
  int exponent = 0;
  const int frac = lead == 0 ? d : d - lead + 1;
  exponent_parts(v, lead, frac, mantissa, exponent);
  char ebuf[16];
  const int ae = std::abs(exponent);
  if (ae <= 99)
    std::snprintf(ebuf, sizeof ebuf, "%c%c%02d", letter, exponent < 0 ? '-' : '+', ae);
  else if (ae <= 999)
    std::snprintf(ebuf, sizeof ebuf, "%c%03d", exponent < 0 ? '-' : '+', ae);
  else
    return stars(w);
  std::string s = mantissa + ebuf;
  if (static_cast<int>(s.size()) > w && lead == 0) {
    // Drop the optional leading zero: "-0.123E+01" -> "-.123E+01".
    const auto zero = s.find("0.");
    if (zero != std::string::npos && zero <= 1) s.erase(zero, 1);
  }
  return right(w, s);
}

}  // namespace

std::string X(int n) { return std::string(n > 0 ? static_cast<std::size_t>(n) : 0U, ' '); }

std::string I(int w, std::int64_t v) { return right(w, std::to_string(v)); }

std::string I(int w, int m, std::int64_t v) {
  std::string digits = std::to_string(v < 0 ? -v : v);
  if (static_cast<int>(digits.size()) < m)
    digits.insert(0, static_cast<std::size_t>(m) - digits.size(), '0');
  return right(w, (v < 0 ? "-" : "") + digits);
}

std::string F(int w, int d, double v) {
  std::string out;
  if (non_finite(w, v, out)) return out;
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.*f", d, v);
  std::string s(buf);
  if (static_cast<int>(s.size()) > w) {
    const auto zero = s.find("0.");
    if (zero != std::string::npos && zero <= 1) s.erase(zero, 1);
  }
  return right(w, s);
}

std::string E(int w, int d, double v) { return exponent_field(w, d, v, 0, 'E'); }
std::string ES(int w, int d, double v) { return exponent_field(w, d, v, 1, 'E'); }
std::string D(int w, int d, double v) { return exponent_field(w, d, v, 0, 'D'); }

std::string A(int w, std::string_view s) {
  if (w <= 0) return {};
  if (static_cast<int>(s.size()) >= w) return std::string(s.substr(0, static_cast<std::size_t>(w)));
  return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + std::string(s);
}

std::string list(std::int64_t v) {
  std::string s(1, ' ');
  s += std::to_string(v);
  return s;
}
std::string list(int v) { return list(static_cast<std::int64_t>(v)); }

std::string list(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, " %.9E", v);
  return buf;
}

}  // namespace korvex::engine::fmt
