// The list-directed reader on arbitrary text. The first byte chooses the
// sequence of reads (whole lines, integers, reals, mixed records), so one
// corpus explores every way the problem reader walks a file; each read either
// gives values or ends with RunStop(InputError).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "korvex/engine/list_reader.h"

using korvex::engine::ListReader;
using korvex::engine::RunStop;
using korvex::engine::StopKind;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const unsigned pattern = size > 0 ? data[0] : 0u;
  std::istringstream in(text);
  ListReader reader(in);
  try {
    for (unsigned step = 0; !reader.at_end(); ++step) {
      const int before = reader.line();
      int i = 0;
      int k = 0;
      double x = 0;
      double y = 0;
      switch ((pattern >> (2 * (step % 4))) & 3u) {
        case 0:
          reader.read_line("RECORD 1 (TITLE)");
          break;
        case 1:
          reader.read("RECORD 2 (CONTROL)", i, k);
          break;
        case 2:
          reader.read("RECORD 3 (WALL)", x, y);
          break;
        default:
          reader.read("RECORD 5 (STIFFNESS)", i, k, x, y);
          break;
      }
      // Values are finite and every read moves on by at least one line.
      if (!std::isfinite(x) || !std::isfinite(y)) std::abort();
      if (reader.line() <= before) std::abort();
    }
  } catch (const RunStop& stop) {
    if (stop.kind() != StopKind::InputError) std::abort();
  }
  return 0;
}
