#include "korvex/tables/word_reader.h"

#include <cmath>
#include <fstream>
#include <limits>

#include "korvex/numeric/number_text.h"
#include "korvex/tables/table_error.h"

namespace korvex::tables {
namespace {

constexpr const char* kIncomplete = "This file either invalid or incomplete.";

std::vector<std::string> SplitWords(std::string_view line) {
  std::size_t first = 0;
  std::size_t last = line.size();
  while (first < last && static_cast<unsigned char>(line[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(line[last - 1]) <= 32) --last;
  line = line.substr(first, last - first);
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) words.emplace_back(line.substr(start, i - start));
  }
  return words;
}

}  // namespace

TWordReader::TWordReader(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw InputOutputError("Cannot open file " + path);
  Load(in);
}

TWordReader::TWordReader(std::istream& in) {
  Load(in);
}

void TWordReader::Load(std::istream& in) {
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();  // CR LF files
    TWordContainer c;
    c.words = SplitWords(line);
    c.text = std::move(line);
    lines_.push_back(std::move(c));
    line.clear();
  }
  if (lines_.empty()) lines_.emplace_back();
}

int TWordReader::WordCount() const noexcept {
  return AtEnd() ? 0 : static_cast<int>(lines_[line_].words.size());
}

std::string TWordReader::ReadLine() {
  if (AtEnd()) throw InputOutputError(kIncomplete);
  std::string text = lines_[line_].text;
  ++line_;
  word_ = 0;
  return text;
}

std::string TWordReader::NextWord() {
  // Moves on past the line's last word, and past lines without words.
  while (!AtEnd() && word_ >= lines_[line_].words.size()) {
    ++line_;
    word_ = 0;
  }
  if (AtEnd()) throw InputOutputError(kIncomplete);
  return lines_[line_].words[word_++];
}

void TWordReader::FailItem(std::string_view expected) const {
  throw InputOutputError("Error on Line " + std::to_string(line_ + 1) + " Item " +
                         std::to_string(word_) + "\n" + std::string(expected));
}

double TWordReader::ReadReal() {
  const std::string word = NextWord();
  long double v = 0;
  if (numeric::ParseReal(word, v, true) != numeric::RealParse::kOk ||
      std::fabs(v) > static_cast<long double>(std::numeric_limits<double>::max())) {
    FailItem("A floating point number was expected but not found.");
  }
  return static_cast<double>(v);
}

int TWordReader::ReadInteger() {
  const std::string word = NextWord();
  long double v = 0;
  if (numeric::ParseReal(word, v, true) != numeric::RealParse::kOk || v != std::trunc(v) ||
      v < -2147483648.0L || v > 2147483647.0L) {
    FailItem("An integer was expected but not found.");
  }
  return static_cast<int>(v);
}

}  // namespace korvex::tables
