#include "korvex/soil/pressure_file.h"

#include "korvex/engine/fixed_format.h"

namespace korvex::soil {
namespace fmt = engine::fmt;

namespace {

void write_point(std::ostream& os, const PressurePoint& p) {
  os << fmt::X(5) << fmt::E(16, 9, p.zp) << fmt::X(4) << fmt::E(16, 9, p.pat) << fmt::X(4)
     << fmt::E(16, 9, p.paw) << fmt::X(4) << fmt::E(16, 9, p.paq) << '\n';
}

}  // namespace

void write_pressure_file(std::ostream& os, const PressureDistribution& d,
                         bool repeat_excavation_point) {
  const bool repeat = repeat_excavation_point && d.last_above > 0;
  const std::size_t count = d.points.size() + (repeat ? 1 : 0);
  os << fmt::list(static_cast<std::int64_t>(count)) << '\n';
  for (std::size_t k = 0; k < d.points.size(); ++k) {
    write_point(os, d.points[k]);
    if (repeat && k == d.last_above) write_point(os, d.points[k]);
  }
}

}  // namespace korvex::soil
