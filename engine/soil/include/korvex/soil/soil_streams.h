#pragma once
#include <ostream>

namespace korvex::soil {

// Where the soil-mechanics stage writes: the report (unit 6), the result
// file with the iteration monitor (unit 4) and the console. Not owned.
struct SoilStreams {
  std::ostream& report;
  std::ostream& monitor;
  std::ostream& console;
};

}  // namespace korvex::soil
