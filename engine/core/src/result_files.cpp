#include "korvex/engine/result_files.h"

#include "korvex/engine/fixed_format.h"

namespace korvex::engine {

using namespace fmt;

void write_pressure_section(std::ostream& out, int kep, const PressurePoint* points, int count,
                            int unit_system) {
  if (kep == 0) {
    out << list(0) << '\n';
    return;
  }
  const bool thin = kep > 1;
  const int rows = for_each_thinned_point(count, unit_system, thin, [](int) {});
  out << list(rows) << '\n';
  for_each_thinned_point(count, unit_system, thin, [&](int i) {
    const PressurePoint& p = points[i];
    out << X(2) << E(10, 3, p.depth) << X(2) << E(10, 3, p.total) << X(2)
        << E(10, 3, p.soil == 0.0 ? 1.0E-07 : p.soil) << X(2) << E(10, 3, p.surcharge) << '\n';
  });
}

void write_py_header(std::ostream& out, int unit_system, int curves) {
  out << list_record(unit_system, curves) << '\n';
}

void write_generated_curve_header(std::ostream& out, double depth, int points) {
  out << X(1) << F(10, 2, depth) << X(1) << I(5, points) << '\n';
}

void write_curve_header(std::ostream& out, int station, int points) {
  out << list_record(station, points) << '\n';
}

void write_curve_point(std::ostream& out, double y, double p) { out << list_record(y, p) << '\n'; }

void write_result_block(std::ostream& out, int ncases, const ProfileRow* rows, int count,
                        int unit_system) {
  out << list_record(ncases, count, unit_system) << '\n';
  for (int i = 0; i < count; ++i) {
    const ProfileRow& r = rows[i];
    out << X(1) << E(13, 4, r.depth) << X(1) << E(13, 4, r.deflection) << X(1)
        << E(13, 4, r.moment) << X(1) << E(13, 4, r.shear) << X(1) << E(13, 4, r.reaction) << '\n';
  }
}

void write_monitor_heading(std::ostream& out) {
  out << "\n\n\n     ITERATION MONITOR DATA\n     ----------------------\n";
}

void write_monitor_line(std::ostream& out, const PassRecord& r) {
  out << X(3) << I(4, r.pass) << X(7) << (r.off_curve ? "YES" + X(6) : "NO" + X(7))
      << I(4, r.not_closed) << X(2);
  for (double y : r.y) out << E(10, 3, y);
  out << '\n';
}

}  // namespace korvex::engine
