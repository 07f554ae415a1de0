// Clay criteria against the published formulas, evaluated here directly.
#include "korvex/soil/py_clay_criteria.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex::soil {
namespace {

// Soft clay (Matlock 1970): c 10 psi, 0.04 pci, e50 0.01, 24 in pile.
constexpr ClaySoil kSoft{10.0, 0.0, 0.04, 0.01, 24.0};

struct SoftCase {
  double xu;
  double expected_np;
};

class SoftClayDepth : public ::testing::TestWithParam<SoftCase> {};

TEST_P(SoftClayDepth, FollowsTheCubeRootCurveUpToPu) {
  const SoftCase c = GetParam();
  const SoftClayFace f = soft_clay_face(kSoft, c.xu, false);
  const double pu = kSoft.c * c.expected_np * kSoft.b;
  const double y50 = 2.5 * 0.01 * 24.0;
  EXPECT_NEAR(f.np, c.expected_np, 1e-12);
  EXPECT_NEAR(f.pu, pu, 1e-9);
  EXPECT_DOUBLE_EQ(f.y50, y50);
  const double fractions[] = {0,     0.00025, 0.0025, 0.0075, 0.02, 0.04, 0.06, 0.1, 0.15,
                              0.225, 0.3,     0.4,    0.5,    0.65, 0.8,  1.0,  1.2};
  for (int k = 0; k < kFacePoints; ++k) {
    const double y = 8.0 * y50 * fractions[k];
    EXPECT_NEAR(f.points.y[k], y, 1e-12) << k;
    const double p = k == 0 ? 0.0 : (y <= 8.0 * y50 ? 0.5 * pu * std::pow(y / y50, 1.0 / 3.0) : pu);
    EXPECT_NEAR(f.points.p[k], p, 1e-9 * pu) << k;
  }
  // 8 y50 reaches pu exactly and the curve stays there.
  EXPECT_NEAR(f.points.p[15], pu, 1e-9 * pu);
  EXPECT_NEAR(f.points.p[16], pu, 1e-9 * pu);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, SoftClayDepth,
    ::testing::Values(SoftCase{0.1, 3.0 + 0.04 * 0.1 / 10.0 + 0.5 * 0.1 / 24.0},
                      SoftCase{60.0, 3.0 + 0.24 + 1.25},
                      // gamma xu/c + 0.5 xu/b = 6 exactly: Np reaches 9.
                      SoftCase{6.0 / (0.004 + 0.5 / 24.0), 9.0}, SoftCase{400.0, 9.0}));

TEST(SoftClay, ContinuousWallUsesPassiveWedge) {
  const SoftClayFace f = soft_clay_face(kSoft, 60.0, true);
  EXPECT_NEAR(f.pu, 0.04 * 24.0 * 60.0 + 2.0 * 10.0 * 24.0, 1e-9);
}

TEST(SoftClay, ZeroCohesionGivesNoResistance) {
  const SoftClayFace f = soft_clay_face({0.0, 0.0, 0.04, 0.01, 24.0}, 60.0, false);
  EXPECT_EQ(f.np, 0.0);
  for (double p : f.points.p) EXPECT_EQ(p, 0.0);
}

TEST(SoftClay, InitialModulusIsTheSecantAtTheSmallestDeflection) {
  const double pu = 1000.0, y50 = 0.6, y = 1.0e-14;
  EXPECT_NEAR(soft_clay_initial_modulus(pu, y50), 0.5 * pu * std::cbrt(y / y50) / y,
              1e-9 * soft_clay_initial_modulus(pu, y50));
}

TEST(StiffClayAs, TableAndLastSegment) {
  EXPECT_NEAR(stiff_clay_as(0.0), 0.223, 1e-12);
  EXPECT_NEAR(stiff_clay_as(0.5), (0.223 + 0.46) / 2.0, 1e-12);
  EXPECT_NEAR(stiff_clay_as(3.5), 0.595, 1e-12);
  EXPECT_NEAR(stiff_clay_as(5.0), 0.60, 1e-12);
  EXPECT_NEAR(stiff_clay_as(9.0), 0.60, 1e-12);
}

TEST(StiffClayAs, ResidualFractionAtAsOfSixTenths) {
  EXPECT_NEAR(stiff_clay_residual_factor(0.6), 0.088, 5e-4);
}

// Stiff clay with free water (Reese, Cox and Koop 1975), static.
TEST(StiffClayFreeWater, ResistanceAndBranches) {
  const ClaySoil s{20.0, 15.0, 0.04, 0.005, 24.0};
  const double x = 48.0, xu = 48.0, k = 500.0;
  const StiffClayWetFace f = stiff_clay_free_water_face(s, x, xu, k, false);
  const double as = 0.46 + (0.55 - 0.46) * 1.0;  // x/b = 2
  const double pct = 2 * 15.0 * 24 + 0.04 * 24 * 48 + 2.83 * 15.0 * 48;
  const double pcd = 11 * 20.0 * 24;
  const double pc = std::min(pct, pcd);
  const double y50 = 0.005 * 24;
  EXPECT_NEAR(f.as, as, 1e-12);
  EXPECT_NEAR(f.pct, pct, 1e-9);
  EXPECT_NEAR(f.pcd, pcd, 1e-9);
  EXPECT_NEAR(f.pc, pc, 1e-9);
  const double ks = xu * k;
  for (int i = 1; i < kFacePoints; ++i) {
    const double m = i < 13 ? 0.5 * i : (i == 16 ? 200.0 : 10.0 + 4.0 * (i - 13));
    const double y = m * as * y50;
    double p;
    if (m <= 1.0)
      p = 0.5 * pc * std::sqrt(y / y50);
    else if (m <= 6.0)
      p = 0.5 * pc * std::sqrt(y / y50) - 0.055 * pc * std::pow((y - as * y50) / (as * y50), 1.25);
    else if (m <= 18.0)
      p = 0.5 * pc * std::sqrt(6 * as) - 0.411 * pc - 0.0625 / y50 * pc * (y - 6 * as * y50);
    else
      p = 0.5 * pc * std::sqrt(6 * as) - 0.411 * pc - 0.75 * pc * as;
    EXPECT_NEAR(f.points.y[i], y, 1e-12) << i;
    EXPECT_NEAR(f.points.p[i], std::min(p, ks * y), 1e-9 * pc) << i;
  }
  EXPECT_EQ(f.points.p[0], 0.0);
  // The residual beyond 18 As y50 is pc times the residual factor (which
  // rounds 0.5 sqrt(6) to 1.225).
  EXPECT_NEAR(f.points.p[16], pc * stiff_clay_residual_factor(as), 1e-3 * pc);
}

TEST(StiffClayFreeWater, SmallModulusMakesTheCurveAStraightLine) {
  const ClaySoil s{20.0, 15.0, 0.04, 0.005, 24.0};
  const StiffClayWetFace f = stiff_clay_free_water_face(s, 0.1, 0.1, 50.0, false);
  for (int i = 0; i < 8; ++i) EXPECT_NEAR(f.points.p[i], 5.0 * f.points.y[i], 1e-12) << i;
}

TEST(StiffClayFreeWater, ZeroModulusGivesNoResistance) {
  const ClaySoil s{20.0, 15.0, 0.04, 0.005, 24.0};
  const StiffClayWetFace f = stiff_clay_free_water_face(s, 48.0, 48.0, 0.0, false);
  for (int i = 0; i < kFacePoints; ++i) {
    EXPECT_EQ(f.points.p[i], 0.0);
    EXPECT_TRUE(std::isfinite(f.points.y[i]));
  }
}

// Stiff clay without free water (Welch and Reese 1972).
TEST(StiffClayDry, QuarterPowerCurveReachesPuAtSixteenY50) {
  const ClaySoil s{12.0, 10.0, 0.045, 0.007, 30.0};
  const double xu = 90.0;
  const StiffClayDryFace f = stiff_clay_dry_face(s, xu, false);
  const double pu = std::min(3 * 10.0 * 30 + 0.045 * 30 * 90 + 0.5 * 10.0 * 90, 9 * 12.0 * 30);
  const double y50 = 2.5 * 0.007 * 30;
  EXPECT_NEAR(f.pu, pu, 1e-9);
  const double fr[] = {1e-5,  5e-5, 1e-4,  5e-4, 0.001, 0.005, 0.01,
                       0.025, 0.05, 0.075, 0.1,  0.25,  0.5,   1.0};
  for (int i = 0; i < 14; ++i) {
    const double y = 16 * y50 * fr[i];
    EXPECT_NEAR(f.points.y[i + 1], y, 1e-12);
    EXPECT_NEAR(f.points.p[i + 1], 0.5 * pu * std::pow(y / y50, 0.25), 1e-9 * pu);
  }
  EXPECT_NEAR(f.points.p[14], pu, 1e-9 * pu);
  EXPECT_NEAR(f.points.y[15], 18 * y50, 1e-12);
  EXPECT_NEAR(f.points.y[16], 20 * y50, 1e-12);
  EXPECT_EQ(f.points.p[15], pu);
  EXPECT_EQ(f.points.p[16], pu);
  EXPECT_EQ(f.points.p[0], 0.0);
}

TEST(StiffClayDry, CapAtNineCbAndContinuousWall) {
  const ClaySoil s{12.0, 10.0, 0.045, 0.007, 30.0};
  EXPECT_NEAR(stiff_clay_dry_face(s, 2000.0, false).pu, 9 * 12.0 * 30, 1e-9);
  EXPECT_NEAR(stiff_clay_dry_face(s, 90.0, true).pu, 0.045 * 30 * 90 + 2 * 12.0 * 30, 1e-9);
}

TEST(ClayOffset, ActivePressureLessCohesionOrNothing) {
  EXPECT_NEAR(clay_active_offset(30.0, 5.0, 24.0), 24.0 * (30.0 - 10.0), 1e-12);
  EXPECT_EQ(clay_active_offset(8.0, 5.0, 24.0), 0.0);
  EXPECT_EQ(clay_active_offset(0.0, 0.0, 24.0), 0.0);
}

}  // namespace
}  // namespace korvex::soil
