#include "korvex/soil/py_multipliers.h"

#include <cmath>

namespace korvex::soil {

double PyMultipliers::p(double z) const {
  if (!rows_.empty()) return from_table(z, true);
  // Group reduction of soldier piles; a continuous wall (ratio < 1.1) and
  // widely spaced elements keep the full resistance.
  if (width_ratio_ >= 1.1 && width_ratio_ < 3.1 && z >= free_height_)
    return 0.5292 * std::pow(width_ratio_, 0.5659);
  return 1.0;
}

double PyMultipliers::y(double z) const {
  return rows_.empty() ? 1.0 : from_table(z, false);
}

double PyMultipliers::from_table(double z, bool p_factor) const {
  const std::size_t n = rows_.size();
  if (n < 2 || z < rows_.front().depth || z > rows_.back().depth) return 1.0;
  auto factor = [&](std::size_t i) { return p_factor ? rows_[i].p_factor : rows_[i].y_factor; };
  for (std::size_t i = 1; i < n; ++i) {
    if (z > rows_[i].depth) continue;
    if (i == n - 1 && z == rows_[i].depth) return factor(i);
    if (z == rows_[i].depth)
      return rows_[i + 1].depth == rows_[i].depth ? factor(i + 1) : factor(i);
    const double span = rows_[i].depth - rows_[i - 1].depth;
    if (span <= 0.0) return factor(i);
    return factor(i - 1) + (z - rows_[i - 1].depth) * (factor(i) - factor(i - 1)) / span;
  }
  return 1.0;
}

}  // namespace korvex::soil
