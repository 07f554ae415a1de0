#pragma once
// List-directed reading of the data file.
//
// Every record starts on a new line; its values are separated by blanks, tabs
// or commas and may continue on the following lines. Whatever is left on the
// last line of a record is skipped. A file that ends inside a record or a
// value that cannot be read as the expected type throws RunStop(InputError)
// whose message names the record and the line.
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "korvex/engine/run_stop.h"

namespace korvex::engine {

class ListReader {
 public:
  explicit ListReader(std::istream& in) : in_(in) {}

  // The whole next line (without its line end).
  std::string read_line(std::string_view record);

  // Reads values of a record, starting on a new line. Each argument is an
  // int or a double.
  template <class... T>
  void read(std::string_view record, T&... values) {
    start_record();
    (value(record, values), ...);
  }

  // True when no further non-blank text follows in the file.
  bool at_end();

  // Number of the line last read (1-based); 0 before the first.
  int line() const noexcept { return line_no_; }

 private:
  void start_record();
  bool next_line();
  std::string_view next_token(std::string_view record);
  void value(std::string_view record, int& v);
  void value(std::string_view record, double& v);
  [[noreturn]] void fail_end(std::string_view record) const;
  [[noreturn]] void fail_value(std::string_view record, std::string_view token,
                               std::string_view expected) const;

  std::istream& in_;
  std::string line_;
  std::size_t pos_ = 0;
  int line_no_ = 0;
  bool have_line_ = false;
};

// Strict number parsing shared with the scratch-file readers: the whole token
// must be a finite number (reals may use E or D exponents).
bool parse_int(std::string_view token, int& v);
bool parse_real(std::string_view token, double& v);

}  // namespace korvex::engine
