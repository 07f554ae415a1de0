#pragma once
// Errors of numeric entry.
//
// EntryError is the assignment error of typed entries: the field or the table
// window shows its message and lets the user correct the entry. MathError is a
// floating-point failure of an expression (negative square root, division by
// zero, overflow); entry fields do not catch it, the application's default
// error handling shows it.
#include <stdexcept>
#include <string>

namespace korvex::numeric {

class NumericError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EntryError : public NumericError {
 public:
  using NumericError::NumericError;
};

class MathError : public NumericError {
 public:
  using NumericError::NumericError;
};

}  // namespace korvex::numeric
