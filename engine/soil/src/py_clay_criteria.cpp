#include "korvex/soil/py_clay_criteria.h"

#include <algorithm>
#include <cmath>

namespace korvex::soil {
namespace {

constexpr double kTinyDeflection = 1.0e-14;

// Piecewise-linear table continued with its last segment at both ends.
template <std::size_t N>
double table_value(const double (&r)[N], const double (&v)[N], double at) {
  std::size_t i = 1;
  while (i < N - 1 && at > r[i]) ++i;
  return v[i - 1] + (at - r[i - 1]) * (v[i] - v[i - 1]) / (r[i] - r[i - 1]);
}

double continuous_wall_resistance(const ClaySoil& s, double xu) {
  return s.gamma * s.b * xu + 2.0 * s.c * s.b;
}

}  // namespace

SoftClayFace soft_clay_face(const ClaySoil& s, double xu, bool continuous) {
  SoftClayFace f;
  f.np = s.c > 0.0 ? std::min(3.0 + s.gamma * xu / s.c + 0.5 * xu / s.b, 9.0) : 0.0;
  f.pu = continuous ? continuous_wall_resistance(s, xu) : s.c * f.np * s.b;
  f.y50 = 2.5 * s.e50 * s.b;
  static constexpr double kFractions[kFacePoints] = {0.0,  0.00025, 0.0025, 0.0075, 0.02, 0.04,
                                                     0.06, 0.1,     0.15,   0.225,  0.3,  0.4,
                                                     0.5,  0.65,    0.8,    1.0,    1.2};
  const double y_end = 8.0 * f.y50;
  for (int k = 0; k < kFacePoints; ++k) {
    const double y = y_end * kFractions[k];
    f.points.y[k] = y;
    if (y < kTinyDeflection)
      f.points.p[k] = 0.0;
    else
      f.points.p[k] = y <= y_end ? 0.5 * f.pu * std::cbrt(y / f.y50) : f.pu;
  }
  return f;
}

double soft_clay_initial_modulus(double pu, double y50) {
  return 0.5 * pu * std::pow(y50 / kTinyDeflection, 2.0 / 3.0) / y50;
}

double stiff_clay_as(double x_over_b) {
  static constexpr double kR[] = {0.0, 1.0, 2.0, 3.0, 4.0, 5.0};
  static constexpr double kAs[] = {0.223, 0.46, 0.55, 0.59, 0.60, 0.60};
  return table_value(kR, kAs, x_over_b);
}

double stiff_clay_residual_factor(double as) {
  return 1.225 * std::sqrt(as) - 0.75 * as - 0.411;
}

StiffClayWetFace stiff_clay_free_water_face(const ClaySoil& s, double x, double xu, double k,
                                            bool continuous) {
  StiffClayWetFace f;
  const double b = s.b;
  f.as = stiff_clay_as(x / b);
  f.pct = 2.0 * s.ca * b + s.gamma * b * xu + 2.83 * s.ca * xu;
  f.pcd = 11.0 * s.c * b;
  f.pc = continuous ? continuous_wall_resistance(s, xu) : std::min(f.pct, f.pcd);
  f.y50 = s.e50 * b;
  f.ks = xu * k;
  const double as_y50 = f.as * f.y50;
  const double pc = f.pc;
  const double peak_less_drop = 0.5 * pc * std::sqrt(6.0 * f.as) - 0.411 * pc;
  for (int i = 0; i < kFacePoints; ++i) {
    double multiple = 0.5 * i;  // points 1 to 13: 0 to 6 As y50
    if (i >= 13) multiple = i == 16 ? 200.0 : 10.0 + 4.0 * (i - 13);
    const double y = multiple * as_y50;
    double p = 0.0;
    if (i > 0) {
      if (y <= as_y50)
        p = 0.5 * pc * std::sqrt(y / f.y50);
      else if (y <= 6.0 * as_y50)
        p = 0.5 * pc * std::sqrt(y / f.y50) - 0.055 * pc * std::pow((y - as_y50) / as_y50, 1.25);
      else if (y <= 18.0 * as_y50)
        p = peak_less_drop - (0.0625 / f.y50) * pc * (y - 6.0 * as_y50);
      else
        p = peak_less_drop - 0.75 * pc * f.as;
      p = std::min(p, f.ks * y);
    }
    f.points.y[i] = y;
    f.points.p[i] = p;
  }
  return f;
}

StiffClayDryFace stiff_clay_dry_face(const ClaySoil& s, double xu, bool continuous) {
  StiffClayDryFace f;
  const double b = s.b;
  f.pu = continuous ? continuous_wall_resistance(s, xu)
                    : std::min(3.0 * s.ca * b + s.gamma * b * xu + 0.5 * s.ca * xu, 9.0 * s.c * b);
  f.y50 = 2.5 * s.e50 * b;
  const double yu = 16.0 * f.y50;
  static constexpr double kFractions[14] = {1.0e-5, 5.0e-5, 1.0e-4, 5.0e-4, 0.001, 0.005, 0.01,
                                            0.025,  0.05,   0.075,  0.1,    0.25,  0.5,   1.0};
  f.points.y[0] = 0.0;
  for (int i = 0; i < 14; ++i) f.points.y[i + 1] = yu * kFractions[i];
  f.points.y[15] = 18.0 * f.y50;
  f.points.y[16] = 20.0 * f.y50;
  for (int i = 0; i < kFacePoints; ++i) {
    const double y = f.points.y[i];
    f.points.p[i] = y <= yu ? 0.5 * f.pu * std::pow(y / f.y50, 0.25) : f.pu;
  }
  f.points.p[0] = 0.0;
  return f;
}

double clay_active_offset(double sigvh, double c, double b) {
  const double offset = b * (sigvh - 2.0 * c);
  return offset <= 1.0e-10 ? 0.0 : offset;
}

}  // namespace korvex::soil
