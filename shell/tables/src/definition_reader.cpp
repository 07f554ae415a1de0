#include "korvex/tables/definition_reader.h"

#include <cctype>
#include <charconv>

#include "korvex/numeric/number_text.h"
#include "korvex/tables/table_error.h"

namespace korvex::tables {
namespace {

bool IsNameStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void DefinitionReader::Fail(const std::string& message) {
  throw DefinitionError(message, Line());
}

void DefinitionReader::SkipBlanks() {
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c == '\n') {
      ++line_;
      ++pos_;
    } else if (c == ' ' || c == '\t' || c == '\r') {
      ++pos_;
    } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
      while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    } else {
      return;
    }
  }
}

// Quoted parts and #code characters, joined by "+" across blanks and lines.
std::string DefinitionReader::ScanString() {
  std::string out;
  for (;;) {
    if (pos_ < text_.size() && text_[pos_] == '\'') {
      ++pos_;
      for (;;) {
        if (pos_ >= text_.size() || text_[pos_] == '\n') {
          throw DefinitionError("Unterminated string", line_);
        }
        if (text_[pos_] == '\'') {
          if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
            out += '\'';
            pos_ += 2;
            continue;
          }
          ++pos_;
          break;
        }
        out += text_[pos_++];
      }
    } else if (pos_ < text_.size() && text_[pos_] == '#') {
      ++pos_;
      int code = 0;
      std::size_t digits = 0;
      while (pos_ < text_.size() && IsDigit(text_[pos_]) && digits < 3) {
        code = code * 10 + (text_[pos_++] - '0');
        ++digits;
      }
      if (digits == 0 || code > 255) throw DefinitionError("Invalid character code", line_);
      out += static_cast<char>(code);
    } else {
      // A "+" after a part continues the string on the next part.
      const std::size_t save_pos = pos_;
      const int save_line = line_;
      SkipBlanks();
      if (pos_ < text_.size() && text_[pos_] == '+') {
        ++pos_;
        SkipBlanks();
        if (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) continue;
        throw DefinitionError("A string was expected after +", line_);
      }
      pos_ = save_pos;
      line_ = save_line;
      return out;
    }
  }
}

DefinitionReader::Token DefinitionReader::Scan() {
  SkipBlanks();
  Token t;
  t.line = line_;
  if (pos_ >= text_.size()) return t;
  const char c = text_[pos_];
  if (c == '\'' || c == '#') {
    t.kind = Kind::kString;
    t.text = ScanString();
    return t;
  }
  if (c == '(' || c == ')') {
    t.kind = c == '(' ? Kind::kListBegin : Kind::kListEnd;
    t.text = std::string(1, c);
    ++pos_;
    return t;
  }
  if (c == '=' || c == ':' || c == '{' || c == '}') {
    t.kind = Kind::kSymbol;
    t.text = std::string(1, c);
    ++pos_;
    return t;
  }
  if (IsDigit(c) || c == '-' || c == '.') {
    const std::size_t start = pos_++;
    bool real = c == '.';
    while (pos_ < text_.size()) {
      const char d = text_[pos_];
      const char prev = text_[pos_ - 1];
      if (IsDigit(d)) {
      } else if (d == '.' || d == 'e' || d == 'E') {
        real = true;
      } else if ((d == '-' || d == '+') && (prev == 'e' || prev == 'E')) {
      } else {
        break;
      }
      ++pos_;
    }
    t.kind = real ? Kind::kReal : Kind::kInteger;
    t.text = text_.substr(start, pos_ - start);
    return t;
  }
  if (IsNameStart(c)) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
    t.text = text_.substr(start, pos_ - start);
    t.kind = (t.text == "True" || t.text == "False") ? Kind::kBoolean : Kind::kName;
    return t;
  }
  throw DefinitionError("Unexpected character in definition", line_);
}

const DefinitionReader::Token& DefinitionReader::Peek() {
  if (!peeked_) {
    next_ = Scan();
    peeked_ = true;
  }
  return next_;
}

DefinitionReader::Token DefinitionReader::Take() {
  Peek();
  peeked_ = false;
  return std::move(next_);
}

DefinitionReader::Kind DefinitionReader::NextValue() {
  return Peek().kind;
}

int DefinitionReader::Line() {
  return Peek().line;
}

void DefinitionReader::ReadListBegin() {
  if (NextValue() != Kind::kListBegin) Fail("A list was expected");
  Take();
}

void DefinitionReader::ReadListEnd() {
  if (NextValue() != Kind::kListEnd) Fail("The end of a list was expected");
  Take();
}

std::string DefinitionReader::ReadString() {
  if (NextValue() != Kind::kString) Fail("A string was expected");
  return Take().text;
}

bool DefinitionReader::ReadBoolean() {
  if (NextValue() != Kind::kBoolean) Fail("True or False was expected");
  return Take().text == "True";
}

int DefinitionReader::ReadInteger() {
  if (NextValue() != Kind::kInteger) Fail("An integer was expected");
  const std::string& s = Peek().text;
  int v = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (res.ec != std::errc() || res.ptr != s.data() + s.size()) Fail("Invalid integer " + s);
  Take();
  return v;
}

long double DefinitionReader::ReadFloat() {
  const Kind k = NextValue();
  if (k != Kind::kReal && k != Kind::kInteger) Fail("A number was expected");
  long double v = 0;
  if (numeric::ParseReal(Peek().text, v) != numeric::RealParse::kOk) {
    Fail("Invalid number " + Peek().text);
  }
  Take();
  return v;
}

std::string DefinitionReader::ReadName() {
  if (NextValue() != Kind::kName) Fail("A name was expected");
  return Take().text;
}

std::string DefinitionReader::PeekName() {
  return NextValue() == Kind::kName ? Peek().text : std::string();
}

void DefinitionReader::ReadSymbol(char symbol) {
  const Token& t = Peek();
  if (t.kind != Kind::kSymbol || t.text.front() != symbol) {
    Fail(std::string("\"") + symbol + "\" was expected");
  }
  Take();
}

}  // namespace korvex::tables
