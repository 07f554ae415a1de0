#include "korvex/engine/distribution.h"

namespace korvex::engine {

void distribute_range(StationReals& arr, int a, int b, double s, double e) {
  const int ja = a + 4;
  const int jb = b + 4;
  if (jb == ja) {
    arr[ja] += s;
    return;
  }
  const double span = jb - ja;
  for (int j = ja; j <= jb; ++j) arr[j] += s + (e - s) * (j - ja) / span;
  arr[ja] -= 0.5 * s;
  arr[jb] -= 0.5 * e;
}

}  // namespace korvex::engine
