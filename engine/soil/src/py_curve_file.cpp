#include "korvex/soil/py_curve_file.h"

#include <algorithm>

#include "korvex/engine/fixed_format.h"

namespace korvex::soil {
namespace fmt = engine::fmt;

void write_curve_count(std::ostream& os, int count) {
  os << fmt::list(count) << '\n';
}

void write_user_curves(std::ostream& os, const std::vector<UserCurve>& curves) {
  for (const UserCurve& curve : curves) {
    const std::size_t n = std::min(curve.y.size(), curve.p.size());
    os << fmt::list_record(curve.node, static_cast<int>(n)) << '\n';
    for (std::size_t i = 0; i < n; ++i)
      os << fmt::list_record(static_cast<int>(i + 1), curve.p[i], curve.y[i]) << '\n';
  }
}

void write_curve_header(std::ostream& os, double depth) {
  os << fmt::list_record(depth, 2 * kFacePoints) << '\n';
}

void write_face_rows(std::ostream& os, const FacePoints& points, RowSpacing spacing) {
  const int first = spacing == RowSpacing::kTwoBlanks ? 2 : 1;
  const int second =
      spacing == RowSpacing::kOneBlank ? 1 : (spacing == RowSpacing::kTwoBlanks ? 2 : 0);
  for (int i = 0; i < kFacePoints; ++i)
    os << fmt::I(5, i + 1) << fmt::X(first) << fmt::E(10, 3, points.p[i]) << fmt::X(second)
       << fmt::E(10, 3, points.y[i]) << '\n';
}

}  // namespace korvex::soil
