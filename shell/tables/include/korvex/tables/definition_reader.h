#pragma once
// Reader of the table definition stream, a readable text form of the values
// a component stream holds:
//   (  )            list begin and end
//   'text'          strings; '' is a quote, #10 a character by code, and
//                   parts join with + across lines: 'a' + 'b'#10'c'
//   True  False     booleans
//   15  -2          integers (32-bit)
//   1.5  2.0E-3     extended reals (a point or an exponent)
//   names, = : { }  the structure of definition_file.h
// "//" starts a comment to the end of the line. Errors are DefinitionError
// with the line of the offending token.
#include <cstddef>
#include <string>
#include <string_view>

namespace korvex::tables {

class DefinitionReader {
 public:
  enum class Kind {
    kEnd,
    kListBegin,
    kListEnd,
    kString,
    kBoolean,
    kInteger,
    kReal,
    kName,
    kSymbol
  };

  explicit DefinitionReader(std::string_view text) : text_(text) {}

  // Kind of the next token, without taking it.
  Kind NextValue();
  // Line (1-based) of the next token.
  int Line();

  void ReadListBegin();
  void ReadListEnd();
  // True when the next token ends a list.
  bool EndOfList() { return NextValue() == Kind::kListEnd; }
  std::string ReadString();
  bool ReadBoolean();
  int ReadInteger();
  // Takes a real or an integer.
  long double ReadFloat();
  // A name such as a property or class name.
  std::string ReadName();
  // The next name without taking it ("" when the next token is no name).
  std::string PeekName();
  // One of = : { }.
  void ReadSymbol(char symbol);

  [[noreturn]] void Fail(const std::string& message);

 private:
  struct Token {
    Kind kind = Kind::kEnd;
    std::string text;  // strings decoded; names, numbers and symbols as read
    int line = 1;
  };
  const Token& Peek();
  Token Take();
  void SkipBlanks();
  Token Scan();
  std::string ScanString();

  std::string text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  bool peeked_ = false;
  Token next_;
};

}  // namespace korvex::tables
