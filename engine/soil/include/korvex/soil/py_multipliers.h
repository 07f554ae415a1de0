#pragma once
// p- and y-multipliers of generated p-y curves at a depth z below the top of
// the wall: the reduction for closely spaced wall elements, or the p-y
// modification table when it has rows.
#include <vector>

#include "korvex/soil/stage_input.h"

namespace korvex::soil {

class PyMultipliers {
 public:
  explicit PyMultipliers(const StageInput& in)
      : rows_(in.py_mod),
        free_height_(in.free_height),
        width_ratio_(in.py_width > 0.0 ? in.active_width / in.py_width : 0.0) {}

  double p(double z) const;
  double y(double z) const;

 private:
  double from_table(double z, bool p_factor) const;

  std::vector<PyModRow> rows_;
  double free_height_;
  double width_ratio_;  // WA / WP
};

}  // namespace korvex::soil
