#include "korvex/soil/py_report.h"

#include <algorithm>

#include "korvex/engine/fixed_format.h"

namespace korvex::soil {
namespace fmt = engine::fmt;
namespace {

constexpr double kRadiansToDegrees = 180.0 / 3.1416;

// A head placed so that it ends in the last column of its value field
// (1-based), or starts at `start` when that is given.
struct Head {
  int end = 0;
  std::string text;
  int start = 0;
};

std::string heads(std::initializer_list<Head> list) {
  std::string line;
  for (const Head& h : list) {
    if (h.text.empty()) continue;
    int start = h.start > 0 ? h.start : h.end - static_cast<int>(h.text.size()) + 1;
    const int free_from = line.empty() ? 1 : static_cast<int>(line.size()) + 2;
    start = std::max(start, free_from);
    line.append(static_cast<std::size_t>(start - 1) - line.size(), ' ');
    line += h.text;
  }
  return line;
}

std::string force_per_length(const engine::UnitLabels& u) {
  return u.F3 + "/" + u.L2;
}
std::string stress(const engine::UnitLabels& u) {
  return u.F3 + "/" + u.L2 + "**2";
}
std::string unit_weight(const engine::UnitLabels& u) {
  return u.F3 + "/" + u.L2 + "**3";
}

const char* layer_description(int type) {
  switch (type) {
    case kStiffClayFreeWater:
      return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
    case kStiffClayDry:
      return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
    case kSand:
      return "THE SOIL IS A SAND";
    case kSilt:
      return "THE SOIL IS A SILT";
    case kStrongRock:
      return "THE LAYER IS ROCK";
    case kWeakRock:
      return "THE LAYER IS WEAK ROCK";
    default:
      return "THE SOIL IS A SOFT CLAY";
  }
}

void banner(std::ostream& os, const char* title) {
  const std::string stars(50, '*');
  os << "\n\n"
     << fmt::X(6) << stars << '\n'
     << fmt::X(6) << title << '\n'
     << fmt::X(6) << stars << '\n';
}

}  // namespace

void write_py_profile_report(std::ostream& os, const PyProfile& profile, double free_height,
                             const engine::UnitLabels& u) {
  banner(os, "*        SOIL LAYERS AND STRENGTH DATA           *");
  const double surface = profile.layers.empty() ? 0.0 : profile.layers.front().top;
  os << fmt::X(9)
     << "X AT THE SURFACE OF EXCAVATION SIDE     = " << fmt::F(10, 2, free_height + surface) << u.L3
     << '\n';
  const int count = static_cast<int>(profile.layers.size());
  os << fmt::X(9) << fmt::I(count < 10 ? 1 : 2, count) << " LAYER(S) OF SOIL\n";
  for (int j = 0; j < count; ++j) {
    os << fmt::X(9) << "LAYER" << fmt::I(3, j + 1) << '\n'
       << fmt::X(9) << layer_description(profile.layers[static_cast<std::size_t>(j)].type) << '\n';
  }

  os << "\n\n" << fmt::X(9) << "DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH\n";
  os << fmt::X(9) << fmt::I(2, static_cast<int>(profile.weight.size())) << " POINTS\n";
  os << heads({{25, "X,"}, {40, "WEIGHT,"}}) << '\n';
  os << heads({{25, u.L3}, {40, unit_weight(u)}}) << '\n';
  for (const WeightPoint& w : profile.weight)
    os << fmt::X(10) << fmt::F(15, 4, free_height + w.x) << fmt::D(15, 4, w.weight) << '\n';

  os << "\n\n" << fmt::X(9) << "DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH\n";
  os << fmt::X(9) << fmt::I(2, static_cast<int>(profile.strength.size())) << " POINTS\n";
  os << heads({{25, "X,"}, {40, "S,"}, {55, "PHI,DEGREES"}, {70, "E50"}}) << '\n';
  os << heads({{25, u.L3}, {40, stress(u)}}) << '\n';
  for (const StrengthPoint& s : profile.strength) {
    os << fmt::X(10) << fmt::F(15, 2, free_height + s.x) << fmt::X(2) << fmt::D(13, 4, s.c)
       << fmt::X(2) << fmt::F(13, 3, s.phi * kRadiansToDegrees);
    if (s.e50 <= 1.0e-6)
      os << fmt::X(7) << "-----";
    else
      os << fmt::D(15, 4, s.e50);
    os << '\n';
  }
}

void write_reduction_factors(std::ostream& os, const std::vector<PyModRow>& rows) {
  if (rows.empty()) return;
  os << "\n\n"
     << fmt::X(9) << "REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS\n"
     << fmt::X(20) << '\n'
     << fmt::X(7) << "      DEPTH     P-FACTOR     Y-FACTOR        \n\n";
  for (const PyModRow& r : rows)
    os << fmt::X(12) << fmt::F(7, 2, r.depth) << fmt::X(4) << fmt::F(6, 2, r.p_factor) << fmt::X(6)
       << fmt::F(6, 2, r.y_factor) << '\n';
}

void write_py_curves_heading(std::ostream& os) {
  os << "\n\n" << fmt::X(8) << "P-Y CURVES DATA\n\n";
}

void write_face_heading(std::ostream& os, Face face) {
  os << "\n\n"
     << fmt::X(9) << (face == Face::kExcavation ? "AT THE EXCAVATION SIDE" : "AT THE BACKFILL SIDE")
     << "\n\n";
}

void write_yp_heads(std::ostream& os, const engine::UnitLabels& u, bool with_commas) {
  os << '\n'
     << heads({{41, with_commas ? "Y," : "Y"}, {61, with_commas ? "P," : "P"}}) << '\n'
     << heads({{41, u.L3}, {61, force_per_length(u)}}) << "\n\n";
}

void write_face_point(std::ostream& os, double y, double p, PointStyle style) {
  os << fmt::X(21);
  switch (style) {
    case PointStyle::kFixed:
      os << fmt::F(20, 5, y) << fmt::F(20, 5, p);
      break;
    case PointStyle::kExponent:
      os << fmt::E(20, 3, y) << fmt::E(20, 3, p);
      break;
    case PointStyle::kDoubleExponent:
      os << fmt::D(20, 5, y) << fmt::D(20, 5, p);
      break;
  }
  os << '\n';
}

void write_multiplier_line(std::ostream& os, double pm, double ym) {
  os << '\n'
     << fmt::X(21) << " P-Multiplier = " << fmt::E(10, 3, pm)
     << " Y-Multiplier = " << fmt::E(10, 3, ym) << '\n';
}

void write_xeq_line(std::ostream& os, int layer, const std::vector<double>& values) {
  os << " XEQ" << fmt::list(layer);
  for (double v : values) os << fmt::list(v);
  os << '\n';
}

void write_small_deflection_warning(std::ostream& os, double modulus) {
  os << fmt::X(29) << "**** WARNING ****\n"
     << fmt::X(20) << "DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM\n"
     << fmt::X(20) << "USED A SOIL MODULUS OF " << fmt::D(12, 4, modulus) << '\n';
}

void write_zero_modulus_warning(std::ostream& os, int layer, int soil_type) {
  os << "\n\n"
     << fmt::X(5) << "**** WARNING **** LAYER" << fmt::I(3, layer)
     << (soil_type == kWeakRock ? ": THE INITIAL ROCK MASS MODULUS Eu IS 0"
                                : ": THE SUBGRADE MODULUS k IS 0")
     << '\n'
     << fmt::X(5) << "ITS P-Y CURVES GIVE NO SOIL RESISTANCE TO THE WALL\n";
}

void write_soft_clay_table(std::ostream& os, const engine::UnitLabels& u, double depth, double b,
                           double c, double gamma, double e50) {
  os << heads({{18, "DEPTH BELOW GS"}, {34, "DIAM"}, {45, "C"}, {56, "GAMMA AVG"}, {69, "E50"}})
     << '\n'
     << heads({{18, u.L3}, {34, u.L3}, {45, stress(u)}, {56, unit_weight(u)}}) << "\n\n"
     << fmt::X(8) << fmt::F(10, 2, depth) << fmt::X(6) << fmt::F(10, 3, b) << fmt::X(1)
     << fmt::D(10, 4, c) << fmt::X(1) << fmt::D(10, 4, gamma) << fmt::X(1) << fmt::D(12, 4, e50)
     << '\n';
}

void write_stiff_clay_wet_table(std::ostream& os, const engine::UnitLabels& u, double depth,
                                double b, double c, double ca, double gamma, double e50) {
  os << heads({{19, "DEPTH BELOW GS"},
               {34, "DIAM"},
               {45, "C"},
               {56, "CAVG"},
               {67, "GAMMA AVG"},
               {79, "E50"}})
     << '\n'
     << heads({{19, u.L3}, {34, u.L3}, {45, stress(u)}, {56, stress(u)}, {67, unit_weight(u)}})
     << "\n\n"
     << fmt::X(9) << fmt::F(10, 2, depth) << fmt::X(5) << fmt::F(10, 3, b) << fmt::X(1)
     << fmt::D(10, 2, c) << fmt::X(1) << fmt::D(10, 2, ca) << fmt::X(1) << fmt::D(10, 2, gamma)
     << fmt::D(12, 4, e50) << '\n';
}

void write_stiff_clay_dry_table(std::ostream& os, const engine::UnitLabels& u, double depth,
                                double b, double c, double ca, double gamma, double e50) {
  os << heads({{20, "DEPTH BELOW GS"},
               {35, "DIAM"},
               {45, "C"},
               {55, "CAVG"},
               {65, "GAMMA AVG"},
               {77, "E50"}})
     << '\n'
     << heads({{20, u.L3}, {35, u.L3}, {45, stress(u)}, {55, stress(u)}, {65, unit_weight(u)}})
     << "\n\n"
     << fmt::X(10) << fmt::F(10, 2, depth) << fmt::X(5) << fmt::F(10, 3, b) << fmt::D(10, 2, c)
     << fmt::D(10, 2, ca) << fmt::D(10, 2, gamma) << fmt::D(12, 4, e50) << '\n';
}

void write_sand_table(std::ostream& os, const engine::UnitLabels& u, double depth, double b,
                      double phi_degrees, double gamma, double a, double b_factor, double pst,
                      double psd) {
  os << heads({{20, "DEPTH BELOW GS"},
               {31, "DIAM"},
               {38, "PHI"},
               {47, "GAMMA AVG"},
               {54, "A"},
               {59, "B"},
               {68, "PCT"},
               {77, "PCD"}})
     << '\n'
     << heads({{20, u.L3},
               {31, u.L3},
               {38, "DEG"},
               {47, unit_weight(u)},
               {68, force_per_length(u)},
               {77, force_per_length(u)}})
     << "\n\n"
     << fmt::X(10) << fmt::F(10, 2, depth) << fmt::X(4) << fmt::F(7, 2, b)
     << fmt::F(7, 2, phi_degrees) << fmt::E(9, 2, gamma) << fmt::X(2) << fmt::F(5, 2, a)
     << fmt::F(5, 2, b_factor) << fmt::E(9, 2, pst) << fmt::E(9, 2, psd) << '\n';
}

void write_silt_table(std::ostream& os, const engine::UnitLabels& u, double depth, double b,
                      double phi_degrees, double gamma, double a, double b_factor, double puc,
                      double pu_friction) {
  os << heads({{10, "DEPTH"},
               {20, "DIAM"},
               {30, "PHI"},
               {40, "GAMMA AVG"},
               {50, "A"},
               {60, "B"},
               {70, "Puc"},
               {80, "Pu\xED"}})
     << '\n'
     << heads({{10, u.L3},
               {20, u.L3},
               {30, "DEG"},
               {40, unit_weight(u)},
               {70, force_per_length(u)},
               {80, force_per_length(u)}})
     << "\n\n"
     << fmt::F(10, 2, depth) << fmt::F(10, 2, b) << fmt::F(10, 1, phi_degrees)
     << fmt::E(10, 3, gamma) << fmt::F(10, 2, a) << fmt::F(10, 2, b_factor) << fmt::E(10, 3, puc)
     << fmt::E(10, 3, pu_friction) << '\n';
}

void write_strong_rock_table(std::ostream& os, const engine::UnitLabels& u, Face face, double depth,
                             double b, double c) {
  os << "\n\n"
     << heads(
            {{0, face == Face::kExcavation ? "DEPTH-EXCAVATION SIDE" : "DEPTH-BACKFILL SIDE  ", 18},
             {49, "DIAM"},
             {59, "C"}})
     << '\n'
     << heads({{34, u.L3}, {49, u.L3}, {59, stress(u)}}) << "\n\n"
     << fmt::X(24) << fmt::F(10, 2, depth) << fmt::X(5) << fmt::F(10, 3, b) << fmt::E(10, 1, c)
     << '\n';
}

void write_weak_rock_table(std::ostream& os, const engine::UnitLabels& u, double depth, double b,
                           double qu, double eir, double gamma, double krm) {
  os << heads({{0, "DEPTH", 15},
               {30, "DIAM"},
               {40, "Qu"},
               {50, " Eu "},
               {60, "GAMMA AVG"},
               {72, "E50"}})
     << '\n'
     << heads({{20, u.L3}, {30, u.L3}, {40, stress(u)}, {50, stress(u)}, {60, unit_weight(u)}})
     << "\n\n"
     << fmt::X(10) << fmt::F(10, 2, depth) << fmt::F(10, 3, b) << fmt::E(10, 2, qu)
     << fmt::E(10, 2, eir) << fmt::E(10, 2, gamma) << fmt::E(12, 3, krm) << '\n';
}

}  // namespace korvex::soil
