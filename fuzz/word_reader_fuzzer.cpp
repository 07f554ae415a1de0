// The shell's word reader on arbitrary text. The first byte chooses the
// sequence of calls (words, reals, integers, whole lines); each call either
// gives a value or raises InputOutputError, and the cursor only moves on.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "korvex/tables/table_error.h"
#include "korvex/tables/word_reader.h"

using korvex::tables::InputOutputError;
using korvex::tables::TWordReader;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const unsigned pattern = size > 0 ? data[0] : 0u;
  std::istringstream in(text);
  TWordReader reader(in);
  for (unsigned step = 0; !reader.AtEnd(); ++step) {
    const int before = reader.LineNumber();
    try {
      switch ((pattern >> (2 * (step % 4))) & 3u) {
        case 0:
          if (reader.NextWord().empty()) std::abort();
          break;
        case 1:
          if (!std::isfinite(reader.ReadReal())) std::abort();
          break;
        case 2:
          reader.ReadInteger();
          break;
        default:
          reader.ReadLine();
          break;
      }
    } catch (const InputOutputError&) {
      // A word that is no number is taken all the same: the reader moves on.
      if (reader.LineNumber() < before) std::abort();
      if (reader.AtEnd()) break;
      reader.ReadLine();
      continue;
    }
    if (reader.LineNumber() < before || reader.LineNumber() > reader.LineCount() + 1) std::abort();
    if (reader.WordCount() < 0) std::abort();
  }
  return 0;
}
