#pragma once
// Writer of the table definition stream (the syntax is described in
// definition_reader.h). Tokens on a line are separated by one blank; reals
// are written in their shortest exact form. Line breaks and indentation are
// the caller's choice, for a file that reads and diffs well.
#include <ostream>
#include <string_view>

namespace korvex::tables {

class DefinitionWriter {
 public:
  explicit DefinitionWriter(std::ostream& out) : out_(out) {}

  void WriteListBegin();
  void WriteListEnd();
  void WriteString(std::string_view text);
  void WriteBoolean(bool value);
  void WriteInteger(long long value);
  void WriteFloat(long double value);
  void WriteName(std::string_view name);
  void WriteSymbol(char symbol);
  // Ends the line; the next token starts at the current indentation.
  void NewLine();
  void Indent(int delta) noexcept { indent_ += delta; }

 private:
  void Separate(bool closing);

  std::ostream& out_;
  int indent_ = 0;
  bool line_start_ = true;
  bool after_open_ = false;
};

}  // namespace korvex::tables
