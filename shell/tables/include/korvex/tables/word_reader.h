#pragma once
// TWordReader: a whole text file in memory, handed out word by word (the
// token reader of the shell's file readers) and, where a reader needs it,
// line by line.
//
// A line's words: the line with blanks and control characters trimmed from
// both ends, split at blanks and tabs (runs count as one). The cursor is a
// line and the count of words already taken from it. NextWord skips lines
// that have no words (empty or blank lines between values); files without
// such lines read exactly as word-by-word reading of their lines.
//
// Errors are InputOutputError:
//   "This file either invalid or incomplete."  (reading past the end)
//   "Error on Line <n> Item <k>" + line break + "A floating point number was
//   expected but not found." or "An integer was expected but not found."
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace korvex::tables {

class TWordReader {
 public:
  // Reads the file; InputOutputError when it cannot be opened.
  explicit TWordReader(const std::string& path);
  // Reads a stream to its end (text already in memory, tests).
  explicit TWordReader(std::istream& in);

  bool AtEnd() const noexcept { return line_ == lines_.size(); }
  // Words of the line at the cursor (0 at the end).
  int WordCount() const noexcept;
  // The full text of the line at the cursor; the cursor moves to the start
  // of the next line. After the last value of a line has been read the
  // cursor is still on that line, so this returns that line's text.
  std::string ReadLine();
  std::string NextWord();
  double ReadReal();
  int ReadInteger();

  // 1-based number of the line at the cursor.
  int LineNumber() const noexcept { return static_cast<int>(line_) + 1; }
  int LineCount() const noexcept { return static_cast<int>(lines_.size()); }

 private:
  struct TWordContainer {
    std::string text;
    std::vector<std::string> words;
  };
  void Load(std::istream& in);
  [[noreturn]] void FailItem(std::string_view expected) const;

  std::vector<TWordContainer> lines_;
  std::size_t line_ = 0;
  std::size_t word_ = 0;
};

}  // namespace korvex::tables
