// Rock criteria: the brittle strong-rock curve and Reese (1997) weak rock,
// against their formulas evaluated here.
#include "korvex/soil/py_rock_criteria.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace korvex::soil {
namespace {

class StrongRockWidth : public ::testing::TestWithParam<double> {};

TEST_P(StrongRockWidth, StiffLineFlatterLineThenResidual) {
  const double b = GetParam(), qu = 2000.0, gamma = 0.08, x_face = 150.0, pm = 0.8;
  const StrongRockFace f = strong_rock_face(qu, gamma, b, x_face, pm);
  const double c = qu / 2, es = 2000 * c, y1 = 0.0004 * b, y2 = 0.0024 * b;
  EXPECT_NEAR(f.y2, y2, 1e-12 * y2);
  EXPECT_NEAR(f.pu, c * b, 1e-9);
  for (int i = 0; i < 15; ++i) {
    const double y = i * y2 / 15;
    EXPECT_NEAR(f.points.y[i], y, 1e-12 * y2) << i;
    const double p = y < y1 ? es * y : es * y1 + 100 * c * (y - y1);
    EXPECT_NEAR(f.points.p[i], pm * p, 1e-9 * c * b) << i;
  }
  // From y2 on the rock has failed: the residual carries no multiplier.
  EXPECT_NEAR(f.points.y[15], y2, 1e-12 * y2);
  EXPECT_NEAR(f.points.y[16], 16 * y2 / 15, 1e-12 * y2);
  EXPECT_DOUBLE_EQ(f.points.p[15], 0.5 * gamma * b * x_face);
  EXPECT_DOUBLE_EQ(f.points.p[16], 0.5 * gamma * b * x_face);
}

INSTANTIATE_TEST_SUITE_P(Widths, StrongRockWidth, ::testing::Values(0.3, 12.0, 24.0, 36.0, 0.9));

TEST(StrongRock, ResidualGrowsWithTheFaceDepth) {
  const StrongRockFace exc = strong_rock_face(2000.0, 0.08, 24.0, 100.0, 1.0);
  const StrongRockFace back = strong_rock_face(2000.0, 0.08, 24.0, 100.0 + 240.0, 1.0);
  EXPECT_GT(back.points.p[16], exc.points.p[16]);
}

// Reese (1997): pur and Kir near the surface and below 3b, power curve.
struct WeakCase {
  double rqd, xr, alpha;
};
class WeakRockCurve : public ::testing::TestWithParam<WeakCase> {};

TEST_P(WeakRockCurve, FollowsTheQuarterPowerCurve) {
  const WeakCase c = GetParam();
  const WeakRock r{500.0, c.rqd, 50000.0, 0.0005, 24.0};
  const WeakRockFace f = weak_rock_face(r, c.xr);
  const double b = r.b;
  EXPECT_NEAR(f.alpha, c.alpha, 1e-12);
  const double pur = c.xr <= 3 * b ? c.alpha * r.qua * (b + 1.4 * c.xr) : 5.2 * c.alpha * r.qua * b;
  const double kir = c.xr <= 3 * b ? r.eir * (100 + 400 * c.xr / (3 * b)) : 500 * r.eir;
  const double yrm = r.krm * b;
  const double ya = std::pow(pur / (2 * std::pow(yrm, 0.25) * kir), 4.0 / 3.0);
  EXPECT_NEAR(f.pur, pur, 1e-9 * pur);
  EXPECT_NEAR(f.kir, kir, 1e-9 * kir);
  const double m[] = {0.0005, 0.001, 0.003, 0.006, 0.009, 0.02, 0.04, 0.06, 0.08,
                      0.1,    0.25,  0.5,   0.75,  1.0,   4.0,  8.0,  12.0};
  for (int i = 0; i < kFacePoints; ++i) {
    const double y = yrm * m[i];
    const double p = y < ya ? kir * y : std::min(0.5 * pur * std::pow(y / yrm, 0.25), pur);
    EXPECT_NEAR(f.points.y[i], y, 1e-15) << i;
    EXPECT_NEAR(f.points.p[i], p, 1e-9 * pur) << i;
  }
  // At 12 yrm: 0.5 pur 12^0.25, about 0.93 pur.
  EXPECT_NEAR(f.points.p[16], 0.93 * pur, 0.002 * pur);
}

INSTANTIATE_TEST_SUITE_P(RqdAndDepth, WeakRockCurve,
                         ::testing::Values(WeakCase{100.0, 10.0, 1.0 / 3.0},
                                           WeakCase{0.0, 10.0, 1.0},
                                           WeakCase{50.0, 72.0, 2.0 / 3.0},
                                           WeakCase{50.0, 200.0, 2.0 / 3.0}));

TEST(WeakRock, BranchesMeetAtThreeWidths) {
  const WeakRock r{500.0, 30.0, 50000.0, 0.0005, 24.0};
  const WeakRockFace at = weak_rock_face(r, 72.0);
  const WeakRockFace below = weak_rock_face(r, 72.0 + 1e-9);
  EXPECT_NEAR(at.pur, 5.2 * at.alpha * 500.0 * 24.0, 1e-6);
  EXPECT_NEAR(at.pur, below.pur, 1e-6);
  EXPECT_NEAR(at.kir, 500 * 50000.0, 1e-3);
  EXPECT_NEAR(at.kir, below.kir, 1e-3);
}

TEST(WeakRock, ZeroModulusGivesNoResistance) {
  const WeakRockFace f = weak_rock_face({500.0, 30.0, 0.0, 0.0005, 24.0}, 10.0);
  for (int i = 0; i < kFacePoints; ++i) {
    EXPECT_EQ(f.points.p[i], 0.0);
    EXPECT_GT(f.points.y[i], 0.0);
  }
}

}  // namespace
}  // namespace korvex::soil
