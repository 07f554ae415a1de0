#pragma once
// Fixed-column output fields of the engine's report and result files.
//
// Each function renders one edit descriptor into a string of exactly the
// field width; a value that does not fit fills the field with asterisks.
//   X(n)        n blanks
//   I(w, v)     integer right-justified;  I(w, m, v) with at least m digits
//   F(w, d, v)  fixed point with d decimals
//   E(w, d, v)  0.ddd E+xx form (the leading zero is dropped when the field
//               is one column short); exponents beyond 99 drop the letter
//   ES(w, d, v) the 1P,Ew.d form: one digit before the point
//   D(w, d, v)  as E with the letter D
//   A(w, s)     text: the leftmost w characters, or right-justified in w
#include <cstdint>
#include <string>
#include <string_view>

namespace korvex::engine::fmt {

std::string X(int n);
std::string I(int w, std::int64_t v);
std::string I(int w, int m, std::int64_t v);
std::string F(int w, int d, double v);
std::string E(int w, int d, double v);
std::string ES(int w, int d, double v);
std::string D(int w, int d, double v);
std::string A(int w, std::string_view s);

// Free-format ("list-directed") output: each value preceded by a blank;
// integers in plain decimal, reals with ten significant digits.
std::string list(std::int64_t v);
std::string list(int v);
std::string list(double v);

template <class... T>
std::string list_record(const T&... values) {
  std::string out;
  (out += ... += list(values));
  return out;
}

}  // namespace korvex::engine::fmt
