#include "korvex/soil/surcharge_pressure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex::soil {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kH = 120.0;  // free height

// Published rigid-wall surcharge formulas, written out here from the
// textbook forms (x = m H, z = n H).
double point_published(double q, double x, double z) {
  const double m = x / kH, n = z / kH;
  if (m <= 0.4) return q / (kH * kH) * 0.28 * n * n / std::pow(0.16 + n * n, 3);
  return q / (kH * kH) * 1.77 * m * m * n * n / std::pow(m * m + n * n, 3);
}
double line_published(double q, double x, double z) {
  const double m = x / kH, n = z / kH;
  if (m <= 0.4) return q / kH * 0.203 * n / std::pow(0.16 + n * n, 2);
  return 4.0 * q / (kPi * kH) * m * m * n / std::pow(m * m + n * n, 2);
}
// Boussinesq strip, doubled for a rigid wall: (2q/pi)(beta - sin beta cos 2 alpha),
// beta the angle the strip subtends at the point and alpha that of its middle.
double strip_published(double q, double x, double b, double z) {
  const double near_edge = std::atan((x - b / 2) / z);
  const double far_edge = std::atan((x + b / 2) / z);
  const double beta = far_edge - near_edge;
  const double alpha = near_edge + beta / 2;
  return 2 * q / kPi * (beta - std::sin(beta) * std::cos(2 * alpha));
}

struct SurchargeCase {
  int type;
  double x;
  double z;
};

class SurchargeFormulaTest : public ::testing::TestWithParam<SurchargeCase> {};

TEST_P(SurchargeFormulaTest, DistributionMatchesPublishedFormula) {
  const SurchargeCase& c = GetParam();
  const Surcharge s{c.type, 1000.0, c.x, 36.0};
  double expected = 0;
  if (c.type == 1) expected = point_published(1000.0, c.x, c.z);
  if (c.type == 2) expected = line_published(1000.0, c.x, c.z);
  if (c.type == 3) expected = strip_published(1000.0, c.x, 36.0, c.z);
  const double got = surcharge_lateral_pressure(s, c.z, kH, SurchargeUse::Distribution);
  EXPECT_NEAR(got, expected, 1e-4 * std::abs(expected) + 1e-12);
  // The resultant constants differ only in their rounding.
  const double resultant = surcharge_lateral_pressure(s, c.z, kH, SurchargeUse::LayerResultant);
  EXPECT_NEAR(resultant, expected, 3e-4 * std::abs(expected) + 1e-12);
}

// m = 0.4 (x = 48) belongs to the near formula, m = 0.41 (x = 49.2) to the far one.
INSTANTIATE_TEST_SUITE_P(Published, SurchargeFormulaTest,
                         ::testing::Values(SurchargeCase{1, 0, 30}, SurchargeCase{1, 48, 60},
                                           SurchargeCase{1, 49.2, 60}, SurchargeCase{1, 120, 96},
                                           SurchargeCase{2, 24, 12}, SurchargeCase{2, 48, 60},
                                           SurchargeCase{2, 49.2, 60}, SurchargeCase{2, 90, 110},
                                           SurchargeCase{3, 60, 40}, SurchargeCase{3, 18, 100},
                                           SurchargeCase{3, 0, 50}));

TEST(SurchargePressureTest, PointLoadSwitchesFormulaJustAboveMPointFour) {
  const Surcharge at{1, 1000.0, 48.0, 0};
  const Surcharge beyond{1, 1000.0, 49.2, 0};
  // m = 0.4, n = 0.5: 0.28 * 1000 / 120^2 * 0.25 / 0.41^3.
  EXPECT_NEAR(surcharge_lateral_pressure(at, 60, kH, SurchargeUse::Distribution),
              0.28 * 1000 / 14400 * 0.25 / (0.41 * 0.41 * 0.41), 1e-12);
  // m = 0.41, n = 0.5: 1.77 * 1000 / 120^2 * 0.1681 * 0.25 / 0.4181^3.
  EXPECT_NEAR(surcharge_lateral_pressure(beyond, 60, kH, SurchargeUse::Distribution),
              1.77 * 1000 / 14400 * 0.1681 * 0.25 / std::pow(0.4181, 3), 1e-12);
}

TEST(SurchargePressureTest, StripCentredOnTheWallFace) {
  // theta1 = -theta2: sigma = (2q/pi)(2 theta2 - sin 2 theta2).
  const double t2 = std::atan(18.0 / 50.0);
  EXPECT_NEAR(surcharge_lateral_pressure({3, 500.0, 0.0, 36.0}, 50, kH, SurchargeUse::Distribution),
              2 * 500 / kPi * (2 * t2 - std::sin(2 * t2)), 1e-5 * 17.1);
}

TEST(SurchargePressureTest, StripFromTheWallToFarAwayActsAsItsFullPressure) {
  // A uniform load from the wall face outwards gives sigma = q on a rigid wall.
  const Surcharge s{3, 2.0, 1.0e7, 2.0e7};
  EXPECT_NEAR(surcharge_lateral_pressure(s, 40, kH, SurchargeUse::Distribution), 2.0, 1e-5);
  // Right-end sum over 10 strips of a uniform pressure: q * thickness, with the
  // resultant constant 0.6366 in place of 2/pi.
  EXPECT_NEAR(surcharge_layer_force(s, 24, 60, kH), 2.0 * 60 * 0.6366 * kPi / 2, 1e-5 * 120);
}

TEST(SurchargePressureTest, LayerForceSamplesTheTenStripBottoms) {
  // Point load near the wall: the sum takes z = ztop + k dz, k = 1..10.
  const Surcharge s{1, 800.0, 12.0, 0};
  double expected = 0;
  for (int k = 1; k <= 10; ++k) expected += 6.0 * point_published(800.0, 12.0, 30 + 6.0 * k);
  EXPECT_NEAR(surcharge_layer_force(s, 30, 60, kH), expected, 1e-12);
  EXPECT_EQ(surcharge_layer_force({1, 1.0e-4, 12.0, 0}, 30, 60, kH), 0.0);
}

TEST(SurchargePressureTest, GridTakesTheDeepestStepStrictlyAbove) {
  const std::vector<Surcharge> loads{{1, 1000.0, 60.0, 0}, {2, 50.0, 30.0, 0}};
  const double wall = 400.0;  // grid step 2
  auto at = [&](double z) {
    double sum = 0;
    for (const Surcharge& s : loads)
      sum += surcharge_lateral_pressure(s, z, kH, SurchargeUse::Distribution);
    return sum;
  };
  EXPECT_DOUBLE_EQ(surcharge_pressure_on_grid(loads, 11.0, kH, wall), at(10.0));
  EXPECT_DOUBLE_EQ(surcharge_pressure_on_grid(loads, 10.0, kH, wall), at(8.0));
  EXPECT_DOUBLE_EQ(surcharge_pressure_on_grid(loads, 2.0, kH, wall), 0.0);
  EXPECT_DOUBLE_EQ(surcharge_pressure_on_grid(loads, 1.5, kH, wall), 0.0);
  EXPECT_DOUBLE_EQ(surcharge_pressure_on_grid(loads, 450.0, kH, wall), at(400.0));
  EXPECT_DOUBLE_EQ(surcharge_pressure_on_grid({}, 50.0, kH, wall), 0.0);
}

TEST(SurchargePressureTest, NoReferenceHeightGivesZero) {
  const Surcharge s{1, 1000.0, 10.0, 0};
  EXPECT_EQ(surcharge_lateral_pressure(s, 10, 0.0, SurchargeUse::Distribution), 0.0);
  EXPECT_EQ(surcharge_lateral_pressure(s, 10, 5.0e-7, SurchargeUse::Distribution), 0.0);
  EXPECT_EQ(surcharge_pressure_on_grid({s}, 10, 0.0, 100.0), 0.0);
  EXPECT_EQ(surcharge_pressure_on_grid({s}, 10, kH, 0.0), 0.0);
}

TEST(SurchargePressureTest, ResultantsUseTheListOrElseTheLegacyRecord) {
  StageInput in;
  in.legacy = {30.0, 100.0, 20.0, 5.0, 12.0};
  auto legacy = resultant_surcharges(in);
  ASSERT_EQ(legacy.size(), 3U);
  EXPECT_EQ(legacy[0].type, 1);
  EXPECT_EQ(legacy[0].magnitude, 100.0);
  EXPECT_EQ(legacy[1].type, 2);
  EXPECT_EQ(legacy[1].magnitude, 20.0);
  EXPECT_EQ(legacy[2].type, 3);
  EXPECT_EQ(legacy[2].magnitude, 5.0);
  for (const Surcharge& s : legacy) {
    EXPECT_EQ(s.distance, 30.0);
    EXPECT_EQ(s.width, 12.0);
  }
  in.surcharges = {{2, 7.0, 40.0, 0.0}};
  const auto list = resultant_surcharges(in);
  ASSERT_EQ(list.size(), 1U);
  EXPECT_EQ(list[0].magnitude, 7.0);
}

}  // namespace
}  // namespace korvex::soil
