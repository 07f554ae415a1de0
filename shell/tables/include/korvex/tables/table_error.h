#pragma once
// Errors of the data-entry tables and the word reader.
//
// Entry errors of typed cells are korvex::numeric::EntryError (the assignment
// errors the table window shows); the classes here cover the rest:
//   InvalidCastError  a cell accessed as the wrong type (a programming error)
//   DefinitionError   a table definition that cannot be read or used
//   InputOutputError  a text file that cannot be opened or read word by word
#include <stdexcept>
#include <string>

namespace korvex::tables {

class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class InvalidCastError : public TableError {
 public:
  InvalidCastError() : TableError("Data of wrong type") {}
};

class DefinitionError : public TableError {
 public:
  // `line` is the 1-based line of the definition text, 0 when unknown.
  explicit DefinitionError(const std::string& message, int line = 0)
      : TableError(message), line_(line) {}
  int Line() const noexcept { return line_; }

 private:
  int line_;
};

class InputOutputError : public TableError {
 public:
  using TableError::TableError;
};

}  // namespace korvex::tables
