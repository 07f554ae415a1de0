#include "korvex/soil/py_equivalent_depth.h"

#include <cmath>

#include "korvex/soil/py_clay_criteria.h"
#include "korvex/soil/py_sand_silt_criteria.h"

namespace korvex::soil {
namespace {

constexpr double kK0 = 0.4;

// Positive root of a x^2 + b x - f = 0 (a > 0, b >= 0, f >= 0), written so
// that it stays accurate when a is small.
double positive_root(double a, double b, double f) {
  const double q = b + std::sqrt(b * b + 4.0 * a * f);
  return q > 0.0 ? 2.0 * f / q : 0.0;
}

// Closed form shared by the soft clay and the dry stiff clay: pu = 3 c b +
// gamma b z + 0.5 c z up to xcr, then 9 c b.
double clay_closed_form(double c, double gamma, double b, double xcr, double fsum) {
  if (xcr < 0.0) xcr = 0.0;
  const double f_xcr = gamma * b * xcr * xcr / 2.0 + 3.0 * c * b * xcr + c * xcr * xcr / 4.0;
  if (fsum <= f_xcr) return positive_root(0.25 * c + 0.5 * gamma * b, 3.0 * c * b, fsum);
  return xcr + (fsum - f_xcr) / (9.0 * c * b);
}

// The sand frame: pst(z) = gamma z (C1 z + C2 b), psd(z) = gamma b z D.
struct SandFrame {
  double c1 = 0.0, c2 = 0.0, d = 0.0, xcr = 0.0;
};

SandFrame sand_frame(double phi, double b, double pi) {
  SandFrame s;
  const double alpha = phi / 2.0;
  const double beta = pi / 4.0 + phi / 2.0;
  const double ka = std::pow(std::tan(pi / 4.0 - phi / 2.0), 2);
  const double kp = std::pow(std::tan(pi / 4.0 + phi / 2.0), 2);
  const double tphi = std::tan(phi);
  s.c1 = std::tan(beta) *
         (kK0 * ((1.0 / std::cos(alpha) + 1.0) * tphi * std::sin(beta) - std::tan(alpha)) +
          kp * std::tan(alpha));
  s.c2 = kp - ka;
  s.d = kp * kp * (kp + kK0 * tphi) - ka;
  s.xcr = (s.d - s.c2) * b / s.c1;
  return s;
}

}  // namespace

double invert_stepped_integral(const std::function<double(double)>& rate, double xcr, int steps,
                               double fsum, double rate_beyond) {
  double sum = 0.0;
  if (xcr > 0.0 && steps > 0) {
    const double dz = xcr / steps;
    for (int i = 1; i <= steps; ++i) {
      const double z = i * dz;
      const double before = sum;
      sum += rate(z) * dz;
      if (sum > fsum) return z - (sum - fsum) * dz / (sum - before);
    }
  }
  const double start = xcr > 0.0 ? xcr : 0.0;
  return rate_beyond > 0.0 ? start + (fsum - sum) / rate_beyond : start;
}

double soft_clay_equivalent_depth(double c, double gamma, double b, double fsum) {
  const double xr = 6.0 * c * b / (0.5 * c + gamma * b);
  return clay_closed_form(c, gamma, b, xr, fsum);
}

double stiff_clay_dry_equivalent_depth(double c, double ca, double gamma, double b, double fsum) {
  const double xcr = (9.0 * c * b - 3.0 * ca * b) / (0.5 * c + gamma * b);
  return clay_closed_form(c, gamma, b, xcr, fsum);
}

double stiff_clay_free_water_equivalent_depth(double c, double ca, double gamma, double b, double x,
                                              double fsum) {
  const double xcr = (11.0 * c * b - 2.0 * ca * b) / (2.83 * ca + gamma * b);
  auto rate = [&](double z) {
    const double pc = 2.0 * ca * b + gamma * b * z + 2.83 * ca * z;
    return pc * stiff_clay_residual_factor(stiff_clay_as(z / b));
  };
  const double beyond = 11.0 * c * b * stiff_clay_residual_factor(stiff_clay_as(x / b));
  return invert_stepped_integral(rate, xcr, 40, fsum, beyond);
}

double sand_equivalent_depth(double phi, double gamma, double b, double x, double fsum) {
  const SandFrame s = sand_frame(phi, b, kSandPi);
  auto rate = [&](double z) { return sand_factors(z / b).a * gamma * z * (s.c1 * z + s.c2 * b); };
  return invert_stepped_integral(rate, s.xcr, 100, fsum, 0.88 * gamma * b * s.d * x);
}

double silt_equivalent_depth(double phi, double c, double gamma, double b, double x, double fsum) {
  const SandFrame s = sand_frame(phi, b, 4.0 * std::atan(1.0));
  auto rate = [&](double z) {
    return sand_factors(z / b).a * gamma * z * (s.c1 * z + s.c2 * b) +
           (3.0 * c * b + gamma * b * z + 0.5 * c * z);
  };
  return invert_stepped_integral(rate, s.xcr, 50, fsum, 9.0 * c * b + 0.88 * gamma * b * s.d * x);
}

}  // namespace korvex::soil
