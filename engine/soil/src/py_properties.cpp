#include "korvex/soil/py_properties.h"

#include <cmath>

#include "korvex/engine/fixed_format.h"
#include "korvex/engine/run_stop.h"

namespace korvex::soil {
namespace fmt = engine::fmt;
namespace {

constexpr double kNegligible = 1.0e-20;

double value_of(const StrengthPoint& p, int column) {
  switch (column) {
    case 0:
      return p.c;
    case 1:
      return p.phi;
    case 2:
      return p.e50;
    default:
      return p.sixth;
  }
}

}  // namespace

double PyProperties::lookup(double x, Column column) const {
  const auto& s = profile_.strength;
  const int col = static_cast<int>(column);
  const std::size_t n = s.size();
  if (n == 0) return 0.0;
  if (n == 1) return value_of(s[0], col);
  for (std::size_t i = 1; i < n; ++i) {
    if (x > s[i].x) continue;
    const double here = value_of(s[i], col);
    if (i == n - 1 && x == s[i].x) return here;
    if (x == s[i].x && s[i + 1].x == s[i].x) {
      const double deeper = value_of(s[i + 1], col);
      if (column == Column::kC) return deeper < kNegligible ? here : deeper;
      if (here < kNegligible) return deeper;
      if (deeper < kNegligible) return here;
      return 0.5 * (here + deeper);
    }
    const double span = s[i].x - s[i - 1].x;
    if (span <= 0.0) return here;
    const double before = value_of(s[i - 1], col);
    return before + (x - s[i - 1].x) * (here - before) / span;
  }
  if (column == Column::kC || column == Column::kPhi) beyond_strength(x, column);
  return value_of(s[n - 1], col);
}

void PyProperties::beyond_strength(double x, Column column) const {
  const bool is_c = column == Column::kC;
  for (int copy = 0; copy < 2; ++copy) {
    out_.console << fmt::X(29) << "**** WARNING ****\n"
                 << fmt::X(20) << "THE VALUE OF X =" << fmt::D(9, 1, x)
                 << (is_c ? "IS BEYOND THE EXTENT OF" : " IS BEYOND THE EXTENT OF") << '\n'
                 << fmt::X(20) << (is_c ? "THE INPUT STRENGTH CURVE" : "THE INPUT PHI CURVE")
                 << '\n';
  }
  throw engine::RunStop(engine::StopKind::SoilStop,
                        is_c ? "STOP 1 -- X IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE"
                             : "STOP -- X IS BEYOND THE EXTENT OF THE INPUT PHI CURVE");
}

double PyProperties::c(double x) const {
  return lookup(x, Column::kC);
}
double PyProperties::phi(double x) const {
  return lookup(x, Column::kPhi);
}
double PyProperties::e50(double x) const {
  return lookup(x, Column::kE50);
}
double PyProperties::sixth(double x) const {
  return lookup(x, Column::kSixth);
}

double PyProperties::gamma_avg(double x) const {
  const auto& w = profile_.weight;
  const double x0 = profile_.layers.empty() ? 0.0 : profile_.layers.front().top;
  if (w.empty() || x > w.back().x)
    throw engine::RunStop(engine::StopKind::SoilStop,
                          "STOP 4 -- X IS BEYOND THE EXTENT OF THE EFFECTIVE UNIT WEIGHT TABLE");
  if (x - x0 < kLengthTolerance) {
    for (const WeightPoint& p : w)
      if (p.weight > 0.0) return p.weight;
    return 0.0;
  }
  double integral = 0.0;
  for (std::size_t i = 1; i < w.size() && w[i - 1].x < x; ++i) {
    const double span = w[i].x - w[i - 1].x;
    if (span < kLengthTolerance) continue;
    const double end = std::min(x, w[i].x);
    const double at_end =
        w[i - 1].weight + (end - w[i - 1].x) * (w[i].weight - w[i - 1].weight) / span;
    integral += 0.5 * (w[i - 1].weight + at_end) * (end - w[i - 1].x);
  }
  return integral / (x - x0);
}

double PyProperties::cavg(double x, int layer) const {
  const PyLayer& l = profile_.layers.at(static_cast<std::size_t>(layer));
  const StrengthPoint& top = profile_.strength.at(2 * static_cast<std::size_t>(layer));
  const StrengthPoint& bottom = profile_.strength.at(2 * static_cast<std::size_t>(layer) + 1);
  if (l.bottom - l.top < kLengthTolerance) return 0.0;
  if (x > profile_.strength.back().x) {
    out_.report << fmt::X(10) << "THE VALUE OF X =" << fmt::E(9, 2, x)
                << "IS BEYOND THE EXTENT OF THE/\n"
                << fmt::X(10) << "INPUT CURVE FOR STRENGTH\n";
    return 0.5 * (top.c + bottom.c);
  }
  if (std::abs(x - l.top) < 1.0e-5) return c(x);
  return 0.5 * (top.c + c(x));
}

}  // namespace korvex::soil
