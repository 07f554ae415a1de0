#include "korvex/soil/earth_pressure_report.h"

#include <array>
#include <utility>

#include "korvex/engine/fixed_format.h"

namespace korvex::soil {
namespace fmt = engine::fmt;

namespace {

constexpr std::string_view kIndent = "      ";
constexpr std::string_view kStars = "**************************************************";

void banner(std::ostream& os, std::string_view title) {
  os << "\n\n"
     << kIndent << kStars << '\n'
     << kIndent << title << '\n'
     << kIndent << kStars << '\n';
}

void value_line(std::ostream& os, std::string_view caption, double v, std::string_view unit) {
  os << kIndent << caption << fmt::E(10, 3, v) << unit << '\n';
}

void integer_line(std::ostream& os, std::string_view caption, int v) {
  os << kIndent << caption << fmt::I(10, v) << '\n';
}

void text_line(std::ostream& os, std::string_view text) {
  os << kIndent << text << '\n';
}

void surcharge_lines(std::ostream& os, const Surcharge& s, const SoilUnitLabels& u) {
  switch (s.type) {
    case 2:
      value_line(os, "LINE LOAD                    = ", s.magnitude, u.per_length);
      break;
    case 3:
      value_line(os, "STRIP LOAD                   = ", s.magnitude, u.stress);
      value_line(os, "WIDTH OF THE STRIP LOAD      = ", s.width, u.length);
      value_line(os, "HORIZONTAL DISTANCE BETWEEN  = ", s.distance, u.length);
      text_line(os, "WALL AND MIDDLE OF STRIP WIDTH          ");
      return;
    default:
      value_line(os, "POINT LOAD                   = ", s.magnitude, u.force);
      break;
  }
  value_line(os, "HORIZONTAL DISTANCE BETWEEN  = ", s.distance, u.length);
  text_line(os, "THE WALL AND SURCHARGE         ");
}

// Unit line of the soil table, each unit right-aligned under its head.
std::string soil_unit_line(int unit_system) {
  struct Units {
    const char *length, *stress, *weight;
  };
  const Units units = unit_system == 1   ? Units{"FT", "PSI", "PCI"}
                      : unit_system == 2 ? Units{" M", "kPa", "kN/M^3"}
                                         : Units{" L", "F/L^2", "F/L^3"};
  return "NO." + fmt::A(13, units.length) + fmt::A(9, units.stress) + fmt::A(7, "DEG") +
         fmt::A(9, units.weight) + fmt::A(9, "T OR F") + fmt::A(7, units.length);
}

}  // namespace

SoilUnitLabels::SoilUnitLabels(const engine::UnitLabels& l)
    : length(l.L3),
      force(l.F4),
      per_length(l.F4 + "/" + l.L2),
      stress(l.F4 + "/" + l.L2 + "**2"),
      unit_weight(l.F4 + "/" + l.L2 + "**3") {}

void write_wall_information(std::ostream& os, const StageInput& in, double gamw,
                            const SoilUnitLabels& u) {
  banner(os, "*                WALL INFORMATION                *");
  value_line(os, "FREE HEIGHT OF WALL                    = ", in.free_height, u.length);
  value_line(os, "WIDTH FOR EARTH PRESSURE, WA           = ", in.active_width, u.length);
  value_line(os, "WIDTH FOR SOIL RESISTANCE, WP          = ", in.py_width, u.length);
  value_line(os, "DEPTH TO THE WATER TABLE AT BACKFILL   = ", in.water_depth_backfill, u.length);
  value_line(os, "DEPTH TO THE WATER TABLE AT EXCAVATION = ", in.water_depth_excavation, u.length);
  value_line(os, "UNIT WEIGHT OF WATER                   = ", gamw, u.unit_weight);
  value_line(os, "SLOPE OF THE BACKFILL (deg.)           = ", in.backfill_slope, "");
  value_line(os, "MODIFICATION FOR ACTIVE EARTH PRESSURE = ", in.active_pressure_factor, "");
}

void write_surcharge_information(std::ostream& os, const StageInput& in, const SoilUnitLabels& u) {
  banner(os, "*              SURCHARGE INFORMATION             *");
  value_line(os, "UNIFORM SURFACE PRESSURE     =", in.surcharge_at_top, u.stress);
  int number = 0;
  for (const Surcharge& s : in.surcharges) {
    integer_line(os, "SURCHARGE LOADING NO.        = ", ++number);
    surcharge_lines(os, s, u);
  }
}

void write_soil_information(std::ostream& os, const SoilProfile& profile, int unit_system) {
  banner(os, "*                SOIL INFORMATION                *");
  const std::string_view indent = "       ";
  os << indent << "         TOTAL   COHESION/       TOTAL UNIT\n";
  os << indent << "LAYER  THICKNESS STRENGTH    PHI   WEIGHT   DRAINED  ZTOP\n";
  os << indent << soil_unit_line(unit_system) << '\n';
  const double scale = unit_system == 1 ? 1.0 / 12.0 : 1.0;  // inches to feet
  int number = 0;
  for (const WorkingLayer& w : profile.layers) {
    os << indent << fmt::I(3, ++number) << fmt::F(10, 2, w.thk * scale) << fmt::F(11, 1, w.cu)
       << fmt::F(8, 1, w.phi) << fmt::F(9, 3, w.gam) << fmt::X(5) << (w.drained ? 'T' : 'F')
       << fmt::F(10, 2, w.ztop * scale) << '\n';
  }
}

void write_overburden_table(std::ostream& os, const SoilProfile& profile, const SoilUnitLabels& u) {
  banner(os, "*            EFFECTIVE OVERBURDEN STRESS         *");
  os << '\n' << kIndent << "          DEPTH                     STRESS       \n";
  os << fmt::X(16) << fmt::A(3, u.length) << fmt::X(22) << u.stress << "\n\n";
  for (const WorkingLayer& w : profile.layers)
    os << fmt::X(12) << fmt::E(10, 3, w.ztop) << fmt::X(17) << fmt::E(10, 3, w.sigvp) << '\n';
}

void write_coefficient_table(std::ostream& report, std::ostream& monitor,
                             const SoilProfile& profile,
                             const std::vector<LayerCoefficients>& coefficients) {
  banner(report, "* ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *");
  report << '\n';
  text_line(report,
            "  LAYER         ACTIVE EARTH     PASSIVE EARTH   "
            "  OPTIONAL EARTH");
  text_line(report,
            "   NO.          COEFFICIENT      COEFFICIENT     "
            "  COEFFICIENT   ");
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    const LayerCoefficients& c = coefficients[i];
    if (c.slope_warning) {
      for (std::ostream* os : {&monitor, &report})
        *os << "\n\n**** WARNING ******\n"
               "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF "
               "SAND.\n";
    }
    report << fmt::X(10) << fmt::I(2, static_cast<std::int64_t>(i + 1)) << fmt::X(9)
           << fmt::E(10, 3, c.rankine_ka) << fmt::X(8) << fmt::E(10, 3, c.kp) << fmt::X(8)
           << fmt::E(10, 3, profile.layers[i].kopt) << '\n';
  }
}

void write_layer_resultants(std::ostream& os, const SoilProfile& profile, const LayerResultants& r,
                            const SoilUnitLabels& u) {
  banner(os, "*      ACTIVE EARTH PRESSURE OF EACH LAYER       *");
  os << '\n';
  text_line(os,
            " LAYER    PA1     Z1       PA2     Z2         PA3     Z3"
            "        PA4");
  os << kIndent << "  NO" << fmt::X(1) << u.stress << fmt::X(2) << u.length << fmt::X(2) << u.stress
     << fmt::X(2) << u.length << fmt::X(4) << u.stress << fmt::X(2) << u.length << fmt::X(4)
     << u.stress << '\n';
  const std::size_t above = profile.excavation == SoilProfile::npos ? 0 : profile.excavation;
  for (std::size_t i = 0; i < above; ++i) {
    const LayerResultant& x = r.layers[i];
    os << kIndent << fmt::I(2, static_cast<std::int64_t>(i + 1));
    const std::array<std::pair<double, double>, 3> groups{
        {{x.pa1, x.z1}, {x.pa2, x.z2}, {x.pa3, x.z3}}};
    for (const auto& [force, depth] : groups)
      os << fmt::X(1) << fmt::F(10, 2, force) << fmt::X(1) << fmt::F(6, 2, depth);
    os << fmt::X(1) << fmt::F(10, 2, x.pa4) << '\n';
  }
}

void write_water_resultants(std::ostream& os, const LayerResultants& r) {
  banner(os, "*      ACTIVE WATER PRESSURE OF EACH LAYER       *");
  os << '\n';
  text_line(os, " LAYER    PW1     Z1       PW2     Z2                ");
  text_line(os, "  NO             ");
  os << '\n';
  for (std::size_t i = 0; i < r.layers.size(); ++i) {
    const LayerResultant& x = r.layers[i];
    if (!x.water_row) continue;
    os << kIndent << fmt::I(2, static_cast<std::int64_t>(i + 1)) << fmt::X(1)
       << fmt::F(10, 2, -x.pw1) << fmt::X(1) << fmt::F(6, 2, x.z1) << fmt::X(1)
       << fmt::F(10, 2, -x.pw2) << fmt::X(1) << fmt::F(6, 2, x.z2) << '\n';
  }
}

void write_net_active_message(std::ostream& os) {
  os << "\n\n     Net active pressure is negative.\n\n";
}

void write_stage_message(std::ostream& os, std::string_view line) {
  os << "\n\n     " << line << '\n';
}

}  // namespace korvex::soil
