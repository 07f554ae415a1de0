// Equivalent depths: each rule inverts the integral of its criterion's
// ultimate resistance, here checked by integrating that resistance finely.
#include "korvex/soil/py_equivalent_depth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace korvex::soil {
namespace {

// Integral of pu from 0 to z by the midpoint rule in fine steps.
template <class F>
double integral(F pu, double z) {
  const int n = 20000;
  double sum = 0.0;
  for (int i = 0; i < n; ++i) sum += pu((i + 0.5) * z / n) * z / n;
  return sum;
}

// Factor A of the sand criterion (static) at depth/width r.
double published_a(double r) {
  const double rs[] = {0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6};
  const double as[] = {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88};
  int i = 1;
  while (i < 9 && r >= rs[i]) ++i;
  return as[i - 1] + (r - rs[i - 1]) * (as[i] - as[i - 1]) / (rs[i] - rs[i - 1]);
}

TEST(InvertSteppedIntegral, ConstantLinearAndBeyond) {
  EXPECT_NEAR(invert_stepped_integral([](double) { return 2.0; }, 10.0, 10, 7.0, 2.0), 3.5, 1e-12);
  // rate z, right-endpoint steps of 1: sums 1, 3, 6, 10 ... 6 < 8 <= 10.
  EXPECT_NEAR(invert_stepped_integral([](double z) { return z; }, 10.0, 10, 8.0, 0.0),
              4.0 - 2.0 / 4.0, 1e-12);
  EXPECT_NEAR(invert_stepped_integral([](double) { return 1.0; }, 10.0, 10, 14.0, 4.0), 11.0,
              1e-12);
  EXPECT_DOUBLE_EQ(invert_stepped_integral([](double) { return 0.0; }, 10.0, 10, 14.0, 0.0), 10.0);
  EXPECT_DOUBLE_EQ(invert_stepped_integral([](double) { return 1.0; }, 10.0, 10, 0.0, 4.0), 0.0);
}

struct ClayCase {
  double c, gamma, b, fsum;
};
class SoftClayEquivalent : public ::testing::TestWithParam<ClayCase> {};

TEST_P(SoftClayEquivalent, ResistanceUpToXeqEqualsTheSum) {
  const ClayCase k = GetParam();
  auto pu = [&](double z) {
    return k.c * k.b * std::min(3.0 + k.gamma * z / k.c + 0.5 * z / k.b, 9.0);
  };
  const double xeq = soft_clay_equivalent_depth(k.c, k.gamma, k.b, k.fsum);
  EXPECT_NEAR(integral(pu, xeq), k.fsum, 1e-6 * k.fsum);
}

INSTANTIATE_TEST_SUITE_P(Sums, SoftClayEquivalent,
                         ::testing::Values(ClayCase{5.0, 0.03, 24.0, 1.0e3},
                                           ClayCase{5.0, 0.03, 24.0, 1.0e5},
                                           ClayCase{5.0, 0.03, 24.0, 1.0e7},
                                           ClayCase{20.0, 9.0, 0.6, 5.0e2}));

TEST(StiffClayDryEquivalent, ResistanceUpToXeqEqualsTheSum) {
  const double c = 12.0, ca = 10.0, g = 0.04, b = 24.0;
  const double xcr = (9 * c * b - 3 * ca * b) / (0.5 * c + g * b);
  auto pu = [&](double z) { return z < xcr ? 3 * c * b + g * b * z + 0.5 * c * z : 9 * c * b; };
  for (double fsum : {1.0e3, 1.0e5, 1.0e6}) {
    const double xeq = stiff_clay_dry_equivalent_depth(c, ca, g, b, fsum);
    EXPECT_NEAR(integral(pu, xeq), fsum, 1e-3 * fsum) << fsum;
  }
}

TEST(StiffClayFreeWaterEquivalent, StepsTheResidualResistance) {
  const double c = 15.0, ca = 12.0, g = 0.04, b = 24.0, x = 200.0;
  const double xcr = (11 * c * b - 2 * ca * b) / (2.83 * ca + g * b);
  auto as = [&](double r) {
    const double t[] = {0.223, 0.46, 0.55, 0.59, 0.60, 0.60};
    const int i = std::min(static_cast<int>(r), 4);
    return t[i] + (r - i) * (t[i + 1] - t[i]);
  };
  auto res = [&](double z) {
    const double a = as(z / b);
    return (2 * ca * b + g * b * z + 2.83 * ca * z) * (1.225 * std::sqrt(a) - 0.75 * a - 0.411);
  };
  const double total = integral(res, xcr);
  const double xeq = stiff_clay_free_water_equivalent_depth(c, ca, g, b, x, 0.5 * total);
  EXPECT_NEAR(integral(res, xeq), 0.5 * total, 0.03 * total);
  // Past xcr the rate is 11 c b times the residual factor at the curve depth.
  const double a = as(x / b);
  const double rate = 11 * c * b * (1.225 * std::sqrt(a) - 0.75 * a - 0.411);
  const double beyond = stiff_clay_free_water_equivalent_depth(c, ca, g, b, x, 2.0 * total);
  EXPECT_NEAR(beyond, xcr + total / rate, 0.03 * (xcr + total / rate));
}

TEST(SandEquivalent, IntegratesAWedgeResistance) {
  const double phi = 34 * 3.1416 / 180, g = 0.036, b = 24.0, x = 120.0;
  // pst = gamma z (C1 z + C2 b), rebuilt here from the wedge formula.
  const double K0 = 0.4, al = phi / 2, be = 3.1416 / 4 + phi / 2;
  const double ka = std::pow(std::tan(3.1416 / 4 - phi / 2), 2);
  const double kp = std::pow(std::tan(be), 2);
  auto pst = [&](double z) {
    return g * z *
           (K0 * z * std::tan(phi) * std::sin(be) / (std::tan(be - phi) * std::cos(al)) +
            std::tan(be) / std::tan(be - phi) * (b + z * std::tan(be) * std::tan(al)) +
            K0 * z * std::tan(be) * (std::tan(phi) * std::sin(be) - std::tan(al)) - ka * b);
  };
  auto rate = [&](double z) { return published_a(z / b) * pst(z); };
  // The rule sums in 100 right-end steps up to the depth where pst meets
  // psd, so it is within one step of the exact depth.
  const double c1 =
      std::tan(be) * (K0 * ((1 / std::cos(al) + 1) * std::tan(phi) * std::sin(be) - std::tan(al)) +
                      kp * std::tan(al));
  const double d = kp * kp * (kp + K0 * std::tan(phi)) - ka;
  const double step = (d - (kp - ka)) * b / c1 / 100.0;
  for (double depth : {12.0, 48.0, 200.0}) {
    const double fsum = integral(rate, depth);
    const double xeq = sand_equivalent_depth(phi, g, b, x, fsum);
    EXPECT_LE(xeq, depth) << depth;
    EXPECT_GT(xeq, depth - step) << depth;
  }
  EXPECT_GT(sand_equivalent_depth(phi, g, b, x, 1.0e12), 1.0e12 / (0.88 * g * b * d * x) * 0.99);
}

TEST(SiltEquivalent, IntegratesWedgeAndCohesionTerms) {
  const double pi = 4 * std::atan(1.0);
  const double phi = 28 * pi / 180, c = 3.0, g = 0.036, b = 24.0, x = 100.0;
  const double K0 = 0.4, al = phi / 2, be = pi / 4 + phi / 2;
  const double ka = std::pow(std::tan(pi / 4 - phi / 2), 2);
  const double kp = std::pow(std::tan(be), 2);
  const double c1 =
      std::tan(be) * (K0 * ((1 / std::cos(al) + 1) * std::tan(phi) * std::sin(be) - std::tan(al)) +
                      kp * std::tan(al));
  const double c2 = kp - ka;
  const double d = kp * kp * (kp + K0 * std::tan(phi)) - ka;
  const double step = (d - c2) * b / c1 / 50.0;
  auto rate = [&](double z) {
    return published_a(z / b) * g * z * (c1 * z + c2 * b) + 3 * c * b + g * b * z + 0.5 * c * z;
  };
  for (double depth : {10.0, 60.0, 150.0}) {
    const double xeq = silt_equivalent_depth(phi, c, g, b, x, integral(rate, depth));
    EXPECT_LE(xeq, depth) << depth;
    EXPECT_GT(xeq, depth - step) << depth;
  }
  EXPECT_LT(silt_equivalent_depth(phi, c, g, b, x, 5.0e4),
            silt_equivalent_depth(phi, 0.0, g, b, x, 5.0e4));
}

}  // namespace
}  // namespace korvex::soil
