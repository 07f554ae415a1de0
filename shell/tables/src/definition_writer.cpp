#include "korvex/tables/definition_writer.h"

#include <charconv>
#include <string>

namespace korvex::tables {

void DefinitionWriter::Separate(bool closing) {
  if (line_start_) {
    out_ << std::string(static_cast<std::size_t>(2 * (indent_ < 0 ? 0 : indent_)), ' ');
  } else if (!after_open_ && !closing) {
    out_ << ' ';
  }
  line_start_ = false;
  after_open_ = false;
}

void DefinitionWriter::WriteListBegin() {
  Separate(false);
  out_ << '(';
  after_open_ = true;
}

void DefinitionWriter::WriteListEnd() {
  Separate(true);
  out_ << ')';
}

void DefinitionWriter::WriteString(std::string_view text) {
  Separate(false);
  if (text.empty()) {
    out_ << "''";
    return;
  }
  // Printable runs in quotes, control characters by code: 'a'#10'b'.
  bool quoted = false;
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127) {
      if (quoted) out_ << '\'';
      quoted = false;
      out_ << '#' << static_cast<int>(u);
    } else {
      if (!quoted) out_ << '\'';
      quoted = true;
      if (c == '\'') out_ << '\'';
      out_ << c;
    }
  }
  if (quoted) out_ << '\'';
}

void DefinitionWriter::WriteBoolean(bool value) {
  Separate(false);
  out_ << (value ? "True" : "False");
}

void DefinitionWriter::WriteInteger(long long value) {
  Separate(false);
  out_ << std::to_string(value);
}

void DefinitionWriter::WriteFloat(long double value) {
  Separate(false);
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  std::string text(buf, res.ptr);
  // A real always shows a point or an exponent, so it reads back as a real.
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  out_ << text;
}

void DefinitionWriter::WriteName(std::string_view name) {
  Separate(false);
  out_ << name;
}

void DefinitionWriter::WriteSymbol(char symbol) {
  Separate(false);
  out_ << symbol;
}

void DefinitionWriter::NewLine() {
  out_ << '\n';
  line_start_ = true;
  after_open_ = false;
}

}  // namespace korvex::tables
