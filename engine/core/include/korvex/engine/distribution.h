#pragma once
// Distribution of table values (stiffness, loads, springs) over stations.
#include <array>
#include <cstddef>

#include "korvex/engine/problem_model.h"

namespace korvex::engine {

// Adds a value to a station array over stations a..b, interpolating from s
// to e: a single station gets s; a longer range gets the interpolated
// values with half of each end station's value taken off again, so that a
// station shared by two ranges receives their average. Stations must lie in
// -3 .. N + 3 and b >= a (the caller checks).
void distribute_range(StationReals& arr, int a, int b, double s, double e);

// The mode switch of one table (1 constant, 2 interpolate to the end of the
// next line). Up to three values per record travel together.
template <std::size_t K>
class TableDistributor {
 public:
  using Values = std::array<double, K>;

  // The switch K = 2 c' + c + 1 for a record of the given mode; c' is the
  // previous record's c.
  int switch_for(int mode) const { return 2 * prev_c_ + (mode == 2 ? 1 : 0) + 1; }

  // Distributes one record. Returns false when its stations are not in order
  // (the caller stops the run).
  bool add(int mode, int from, int to, const Values& v, std::array<StationReals*, K> targets) {
    const int c = mode == 2 ? 1 : 0;
    const int k = 2 * prev_c_ + c + 1;
    prev_c_ = c;
    switch (k) {
      case 1:
        if (to < from) return false;
        for (std::size_t i = 0; i < K; ++i) distribute_range(*targets[i], from, to, v[i], v[i]);
        return true;
      case 2:
        start_ = from;
        start_values_ = v;
        return true;
      default:  // 3 and 4
        if (to < start_) return false;
        for (std::size_t i = 0; i < K; ++i)
          distribute_range(*targets[i], start_, to, start_values_[i], v[i]);
        if (k == 4) {
          start_ = to;
          start_values_ = v;
        }
        return true;
    }
  }

 private:
  int prev_c_ = 0;
  int start_ = 0;
  Values start_values_{};
};

}  // namespace korvex::engine
