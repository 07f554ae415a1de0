// Sand (Reese, Cox and Koop 1974) and silt criteria against their formulas,
// evaluated here directly.
#include "korvex/soil/py_sand_silt_criteria.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace korvex::soil {
namespace {

constexpr double kDeg = 3.1416 / 180.0;

struct AbCase {
  double r, a, b;
};
class SandFactorTable : public ::testing::TestWithParam<AbCase> {};

TEST_P(SandFactorTable, InterpolatesTheStaticValues) {
  const AbCase c = GetParam();
  const SandFactors f = sand_factors(c.r);
  EXPECT_NEAR(f.a, c.a, 1e-12);
  EXPECT_NEAR(f.b, c.b, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Points, SandFactorTable,
                         ::testing::Values(AbCase{0.0, 2.83, 2.14}, AbCase{1.25, 1.935, 1.405},
                                           AbCase{3.0, 1.06, 0.71}, AbCase{3.5, 0.98, 0.62},
                                           AbCase{5.0, 0.88, 0.50}, AbCase{6.0, 0.88, 0.50},
                                           AbCase{12.0, 0.88, 0.50}));

// The wedge and flow-around resistances as Reese, Cox and Koop give them.
double wedge(double phi, double g, double b, double x) {
  const double K0 = 0.4, a = phi / 2, be = 3.1416 / 4 + phi / 2;
  const double ka = std::pow(std::tan(3.1416 / 4 - phi / 2), 2);
  return g * x *
         (K0 * x * std::tan(phi) * std::sin(be) / (std::tan(be - phi) * std::cos(a)) +
          std::tan(be) / std::tan(be - phi) * (b + x * std::tan(be) * std::tan(a)) +
          K0 * x * std::tan(be) * (std::tan(phi) * std::sin(be) - std::tan(a)) - ka * b);
}
double flow_around(double phi, double g, double b, double x) {
  const double be = 3.1416 / 4 + phi / 2;
  const double ka = std::pow(std::tan(3.1416 / 4 - phi / 2), 2);
  return ka * b * g * x * (std::pow(std::tan(be), 8) - 1) +
         0.4 * b * g * x * std::tan(phi) * std::pow(std::tan(be), 4);
}

TEST(FrictionResistance, WedgeAndFlowAroundFormulas) {
  for (double x : {6.0, 60.0, 240.0}) {
    const FrictionResistance r = friction_resistance(35 * kDeg, 0.036, 24.0, x, 3.1416);
    EXPECT_NEAR(r.wedge, wedge(35 * kDeg, 0.036, 24.0, x), 1e-9 * r.wedge);
    EXPECT_NEAR(r.flow_around, flow_around(35 * kDeg, 0.036, 24.0, x), 1e-9 * r.flow_around);
    EXPECT_NEAR(r.ka, std::pow(std::tan((45 - 17.5) * kDeg), 2), 1e-12);
  }
}

TEST(CoulombPassive, PublishedValue) {
  // phi 30, delta 15 degrees: Kp = 4.98 in the published Coulomb tables.
  const double pi = 4 * std::atan(1.0);
  EXPECT_NEAR(coulomb_passive(30 * pi / 180, 15 * pi / 180), 4.98, 0.01);
  EXPECT_NEAR(coulomb_passive(30 * pi / 180, 0.0), 3.0, 1e-9);  // Rankine without friction
}

// Sand curve: initial line, parabola, straight segment to pu.
struct SandCase {
  double x;
  double k;
};
class SandCurve : public ::testing::TestWithParam<SandCase> {};

TEST_P(SandCurve, FollowsTheFourPartCurve) {
  const SandCase c = GetParam();
  const double phi = 35 * kDeg, g = 0.036, b = 24.0;
  const SandFace f = sand_face({phi, 0.0, g, b, c.k}, c.x, c.x, false);
  const double ps = std::min(wedge(phi, g, b, c.x), flow_around(phi, g, b, c.x));
  const SandFactors ab = sand_factors(c.x / b);
  const double pu = ab.a * ps, pm = ab.b * ps, ks = c.k * c.x;
  double ym = b / 60, yu = 3 * b / 80;
  const double m = (pu - pm) / (yu - ym), n = pm / (m * ym), C = pm / std::pow(ym, 1 / n);
  double yk = std::pow(C / ks, n / (n - 1));
  if (yu < yk) {
    ym = ym * (pu / ks) / yu;
    yu = pu / ks;
    yk = ym / 10;
  }
  const double y0 = yk <= ym / 5 ? yk : ym / 10;
  EXPECT_NEAR(f.pu, pu, 1e-9 * pu);
  EXPECT_NEAR(f.pm, pm, 1e-9 * pm);
  double ys[17] = {0, y0 / 2, y0};
  for (int j = 1; j <= 9; ++j) ys[2 + j] = y0 + j * (ym - y0) / 10;
  ys[12] = ym;
  ys[13] = (2 * ym + yu) / 3;
  ys[14] = (ym + 2 * yu) / 3;
  ys[15] = yu;
  ys[16] = 1.2 * yu;
  for (int i = 0; i < 17; ++i) {
    const double y = ys[i];
    double p = ks * y;
    if (y > yk || y >= ym) p = y < ym ? C * std::pow(y, 1 / n) : (y < yu ? pm + m * (y - ym) : pu);
    EXPECT_NEAR(f.points.y[i], y, 1e-12 * yu) << i;
    EXPECT_NEAR(f.points.p[i], std::min(p, ks * y), 1e-9 * pu) << i;
  }
  EXPECT_NEAR(f.points.p[16], std::min(pu, ks * 1.2 * yu), 1e-9 * pu);
}

INSTANTIATE_TEST_SUITE_P(DepthsAndModuli, SandCurve,
                         ::testing::Values(SandCase{12.0, 90.0}, SandCase{60.0, 90.0},
                                           SandCase{180.0, 225.0}, SandCase{300.0, 20.0}));

TEST(SandCurve, WeakInitialLineStretchesTheCurveToPuOverKs) {
  const double phi = 30 * kDeg, g = 0.036, b = 24.0, x = 60.0, k = 0.5;
  const SandFace f = sand_face({phi, 0.0, g, b, k}, x, x, false);
  const double ks = k * x;
  ASSERT_GT(f.pu / ks, 3 * b / 80);  // the line reaches pu beyond the first yu
  EXPECT_NEAR(f.points.y[15], f.pu / ks, 1e-12 * f.pu / ks);
  EXPECT_NEAR(f.points.y[16], 1.2 * f.pu / ks, 1e-12 * f.pu / ks);
  EXPECT_NEAR(f.points.p[15], f.pu, 1e-9 * f.pu);
  EXPECT_NEAR(f.points.p[16], f.pu, 1e-9 * f.pu);
}

TEST(SandCurve, ContinuousWallUsesCoulombPassiveAtFaceDepth) {
  const double phi = 32 * kDeg, g = 0.036, b = 12.0;
  const SandFace f = sand_face({phi, 0.0, g, b, 100.0}, 48.0, 30.0, true);
  const double kpc =
      std::pow(std::cos(phi), 2) /
      (std::cos(phi / 2) *
       std::pow(1 - std::sqrt(std::sin(1.5 * phi) * std::sin(phi) / std::cos(phi / 2)), 2));
  EXPECT_NEAR(f.ps, b * kpc * g * 48.0, 1e-9 * f.ps);
}

TEST(SandCurve, ZeroModulusGivesFiniteCurveWithoutResistance) {
  const SandFace f = sand_face({35 * kDeg, 0.0, 0.036, 24.0, 0.0}, 60.0, 60.0, false);
  for (int i = 0; i < kFacePoints; ++i) {
    EXPECT_TRUE(std::isfinite(f.points.y[i]));
    EXPECT_EQ(f.points.p[i], 0.0);
    if (i > 0) {
      EXPECT_GT(f.points.y[i], f.points.y[i - 1]);
    }
  }
}

TEST(SandOffset, ActivePressureOnTheWidth) {
  EXPECT_NEAR(sand_active_offset(10.0, 0.3, 24.0), 72.0, 1e-12);
  EXPECT_EQ(sand_active_offset(0.0, 0.3, 24.0), 0.0);
}

TEST(SiltOffset, CohesionReducesTheActivePressure) {
  EXPECT_NEAR(silt_active_offset(10.0, 0.25, 1.0, 24.0), 24.0 * (2.5 - 1.0), 1e-12);
  EXPECT_EQ(silt_active_offset(10.0, 0.25, 3.0, 24.0), 0.0);
}

TEST(Silt, ZeroCohesionLeavesOnlyTheFrictionTerm) {
  const SiltFace f = silt_face({30 * kDeg, 0.0, 0.036, 24.0, 100.0}, 60.0, 60.0, false);
  EXPECT_EQ(f.pu_cohesion, 0.0);
  EXPECT_NEAR(f.pm, 1.5 * f.pu_friction, 1e-12);
  const double pi = 4 * std::atan(1.0);
  const FrictionResistance r = friction_resistance(30 * kDeg, 0.036, 24.0, 60.0, pi);
  EXPECT_NEAR(f.pu_friction, std::min(r.wedge, r.flow_around), 1e-12);
  EXPECT_NEAR(f.pu, sand_factors(60.0 / 24.0).a * f.pu_friction, 1e-9);
}

TEST(Silt, CohesionTermAndItsCap) {
  const double c = 2.0, g = 0.036, b = 24.0;
  const SiltFace shallow = silt_face({30 * kDeg, c, g, b, 100.0}, 24.0, 24.0, false);
  EXPECT_NEAR(shallow.pu_cohesion, c * (3 + g * 24 / c + 0.5 * 24 / b) * b, 1e-9);
  const SiltFace deep = silt_face({30 * kDeg, c, g, b, 100.0}, 600.0, 600.0, false);
  EXPECT_NEAR(deep.pu_cohesion, 9 * c * b, 1e-9);
  const SiltFace wall = silt_face({30 * kDeg, c, g, b, 100.0}, 48.0, 30.0, true);
  EXPECT_NEAR(wall.pu_cohesion, g * b * 48.0 + 2 * c * b, 1e-9);
  const double pi = 4 * std::atan(1.0);
  const double kpc =
      std::pow(std::cos(30 * pi / 180), 2) /
      (std::cos(0.17453) * std::pow(1 - std::sqrt(std::sin(30 * kDeg + 0.17453) *
                                                  std::sin(30 * kDeg) / std::cos(0.17453)),
                                    2));
  EXPECT_NEAR(wall.pu_friction, b * kpc * g * 48.0, 1e-3 * wall.pu_friction);
}

TEST(Silt, LargeCohesionFallsFromPmTowardsPu) {
  const SiltFace f = silt_face({25 * kDeg, 10.0, 0.036, 24.0, 2000.0}, 60.0, 60.0, false);
  ASSERT_GT(f.pm, f.pu);
  const double ym = 24.0 / 60, yu = 3 * 24.0 / 80;
  for (int i = 0; i < kFacePoints; ++i) {
    const double y = f.points.y[i];
    EXPECT_LE(f.points.p[i], f.ks * y + 1e-9);
    if (f.shape == 1 && y > ym && y <= yu) {
      EXPECT_NEAR(f.points.p[i], std::min(f.pm + (f.pu - f.pm) / (yu - ym) * (y - ym), f.ks * y),
                  1e-9 * f.pm);
    }
  }
  EXPECT_NEAR(f.points.p[16], std::min(f.pu, f.ks * f.points.y[16]), 1e-9 * f.pm);
}

// The three shapes, with the deflections each one lays out.
TEST(Silt, ShapeWhereTheLineMeetsTheStraightSegment) {
  // A stiff line with pm well above pu: it meets the falling segment.
  for (double k : {5.0, 20.0, 100.0, 1000.0}) {
    const SiltFace f = silt_face({20 * kDeg, 8.0, 0.036, 24.0, k}, 12.0, 12.0, false);
    const double ym = 0.4, yu = 0.9;
    const double m = (f.pu - f.pm) / (yu - ym);
    if (f.shape == 2) {
      const double y1 = (f.pm - m * ym) / (f.ks - m);
      EXPECT_NEAR(f.points.y[8], y1, 1e-12);
      EXPECT_NEAR(f.points.p[8], f.ks * y1, 1e-9 * f.pm);
      EXPECT_NEAR(f.points.y[14], yu, 1e-12);
      EXPECT_NEAR(f.points.p[14], f.pu, 1e-9 * f.pm);
    } else if (f.shape == 3) {
      const double y2 = f.pu / f.ks;
      EXPECT_NEAR(f.points.y[12], y2, 1e-12 * y2);
      EXPECT_NEAR(f.points.p[12], f.pu, 1e-9 * f.pu);
      EXPECT_NEAR(f.points.y[16], 1.2 * y2, 1e-12 * y2);
    }
    for (int i = 1; i < kFacePoints; ++i) EXPECT_GT(f.points.y[i], f.points.y[i - 1]) << k;
  }
}

TEST(Silt, EachShapeOccurs) {
  bool seen[4] = {};
  for (double c : {0.0, 1.0, 4.0, 8.0})
    for (double k : {2.0, 20.0, 200.0, 2000.0})
      seen[silt_face({20 * kDeg, c, 0.036, 24.0, k}, 12.0, 12.0, false).shape] = true;
  EXPECT_TRUE(seen[1]);
  EXPECT_TRUE(seen[2]);
  EXPECT_TRUE(seen[3]);
}

}  // namespace
}  // namespace korvex::soil
