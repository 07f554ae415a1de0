#include "korvex/engine/list_reader.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace korvex::engine {
namespace {

bool separator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\f'; }

// Very long lines are cut: no record of the layout comes close.
constexpr std::size_t kMaxLine = 64 * 1024;

}  // namespace

bool parse_int(std::string_view t, int& v) {
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (t.empty()) return false;
  const auto* end = t.data() + t.size();
  auto [p, ec] = std::from_chars(t.data(), end, v);
  return ec == std::errc() && p == end;
}

bool parse_real(std::string_view t, double& v) {
  if (t.empty() || t.size() > 400) return false;
  std::string s(t);
  // Fortran D exponents; from_chars has no D.
  for (char& c : s)
    if (c == 'd' || c == 'D') c = 'E';
  std::size_t i = 0;
  if (s[i] == '+' || s[i] == '-') ++i;
  // Only digits, one point and an exponent: no "nan", "inf" or hex.
  bool digit = false;
  bool point = false;
  for (; i < s.size() && s[i] != 'E' && s[i] != 'e'; ++i) {
    if (s[i] >= '0' && s[i] <= '9')
      digit = true;
    else if (s[i] == '.' && !point)
      point = true;
    else
      return false;
  }
  if (!digit) return false;
  if (i < s.size()) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i == s.size()) return false;
    for (; i < s.size(); ++i)
      if (s[i] < '0' || s[i] > '9') return false;
  }
  errno = 0;
  char* endp = nullptr;
  const double r = std::strtod(s.c_str(), &endp);
  if (endp != s.c_str() + s.size() || !std::isfinite(r)) return false;
  v = r;
  return true;
}

bool ListReader::next_line() {
  if (!in_.good()) return false;
  std::string l;
  if (!std::getline(in_, l)) {
    have_line_ = false;
    return false;
  }
  if (l.size() > kMaxLine) l.resize(kMaxLine);
  if (!l.empty() && l.back() == '\r') l.pop_back();
  line_ = std::move(l);
  pos_ = 0;
  ++line_no_;
  have_line_ = true;
  return true;
}

void ListReader::start_record() { have_line_ = false; }

std::string ListReader::read_line(std::string_view record) {
  if (!next_line()) fail_end(record);
  have_line_ = false;
  return line_;
}

bool ListReader::at_end() {
  if (have_line_) {
    for (std::size_t i = pos_; i < line_.size(); ++i)
      if (!separator(line_[i])) return false;
  }
  // Peek without consuming: a later read starts on a new line anyway.
  while (in_.good()) {
    const int c = in_.peek();
    if (c == std::char_traits<char>::eof()) return true;
    if (!separator(static_cast<char>(c)) && c != '\n') return false;
    in_.get();
    if (c == '\n') ++line_no_;
  }
  return true;
}

std::string_view ListReader::next_token(std::string_view record) {
  for (;;) {
    if (!have_line_ && !next_line()) fail_end(record);
    while (pos_ < line_.size() && separator(line_[pos_])) ++pos_;
    if (pos_ < line_.size()) break;
    have_line_ = false;  // values continue on the next line
  }
  const std::size_t start = pos_;
  while (pos_ < line_.size() && !separator(line_[pos_])) ++pos_;
  std::string_view tok(line_.data() + start, pos_ - start);
  // A comma right after the value belongs to it as its separator.
  if (pos_ < line_.size() && line_[pos_] == ',') ++pos_;
  return tok;
}

void ListReader::value(std::string_view record, int& v) {
  const auto tok = next_token(record);
  if (!parse_int(tok, v)) fail_value(record, tok, "AN INTEGER");
}

void ListReader::value(std::string_view record, double& v) {
  const auto tok = next_token(record);
  if (!parse_real(tok, v)) fail_value(record, tok, "A NUMBER");
}

void ListReader::fail_end(std::string_view record) const {
  throw RunStop(StopKind::InputError, "ERROR -- DATA FILE ENDS IN " + std::string(record) +
                                          " AFTER LINE " + std::to_string(line_no_));
}

void ListReader::fail_value(std::string_view record, std::string_view token,
                            std::string_view expected) const {
  std::string shown(token.substr(0, 20));
  for (char& c : shown)
    if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) c = '?';
  throw RunStop(StopKind::InputError, "ERROR -- UNREADABLE VALUE IN " + std::string(record) +
                                          " ON LINE " + std::to_string(line_no_) + ": \"" +
                                          shown + "\" IS NOT " + std::string(expected));
}

}  // namespace korvex::engine
