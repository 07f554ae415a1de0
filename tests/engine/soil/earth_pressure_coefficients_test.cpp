#include "korvex/soil/earth_pressure_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex::soil {
namespace {

constexpr double kPi = 3.14159265358979323846;

SoilProfile profile_of(std::initializer_list<WorkingLayer> layers) {
  SoilProfile p;
  p.layers = layers;
  return p;
}

WorkingLayer layer(double phi, double ztop, double kopt = 0.0) {
  WorkingLayer w;
  w.phi = phi;
  w.ztop = ztop;
  w.kopt = kopt;
  return w;
}

struct RankineCase {
  double phi;
  double beta;
  double ka;  // published value (Rankine; level or sloping backfill)
  double kp;
};

class RankineTest : public ::testing::TestWithParam<RankineCase> {};

TEST_P(RankineTest, MatchesPublishedCoefficients) {
  const RankineCase& c = GetParam();
  const auto k = earth_pressure_coefficients(profile_of({layer(c.phi, 0.0)}), c.beta, 100.0);
  ASSERT_EQ(k.size(), 1U);
  EXPECT_NEAR(k[0].rankine_ka, c.ka, 5e-4);
  EXPECT_NEAR(k[0].ka, c.ka, 5e-4);
  EXPECT_NEAR(k[0].ta * k[0].ta, k[0].ka, 1e-12);
  EXPECT_NEAR(k[0].kp, c.kp, 5e-4);
  EXPECT_FALSE(k[0].slope_warning);
}

// Level backfill: Ka = (1 - sin phi)/(1 + sin phi); sloping backfill: the
// tabulated Rankine values for beta = 10 and 20 degrees over phi = 30.
INSTANTIATE_TEST_SUITE_P(
    Published, RankineTest,
    ::testing::Values(RankineCase{30, 0, 1.0 / 3.0, 3.0},
                      RankineCase{35, 0,
                                  (1 - std::sin(35 * kPi / 180)) / (1 + std::sin(35 * kPi / 180)),
                                  (1 + std::sin(35 * kPi / 180)) / (1 - std::sin(35 * kPi / 180))},
                      RankineCase{0, 0, 1.0, 1.0}, RankineCase{30, 10, 0.3495, 3.0},
                      RankineCase{30, 20, 0.4142, 3.0}, RankineCase{30, -20, 0.4142, 3.0}));

TEST(EarthPressureCoefficientsTest, SlopeNotBelowFrictionAngleWarnsAboveExcavationOnly) {
  // Clay (phi 0) above and below the excavation level at 120, and a sand
  // whose friction angle equals the slope.
  const auto k = earth_pressure_coefficients(
      profile_of({layer(0.0, 0.0), layer(20.0, 60.0), layer(0.0, 120.0)}), 20.0, 120.0);
  EXPECT_TRUE(k[0].slope_warning);
  EXPECT_NEAR(k[0].ka, 1.0, 1e-5) << "level-backfill value kept";
  EXPECT_TRUE(k[1].slope_warning);
  EXPECT_NEAR(k[1].ka, std::pow(std::tan((45 - 10) * kPi / 180), 2), 1e-5);
  EXPECT_FALSE(k[2].slope_warning);
}

TEST(EarthPressureCoefficientsTest, OptionalCoefficientReplacesKaAndDropsCohesionTerm) {
  const auto k = earth_pressure_coefficients(profile_of({layer(30.0, 0.0, 0.3)}), 0.0, 100.0);
  EXPECT_NEAR(k[0].rankine_ka, 1.0 / 3.0, 1e-5);
  EXPECT_DOUBLE_EQ(k[0].ka, 0.3);
  EXPECT_DOUBLE_EQ(k[0].ta, 0.0);
}

}  // namespace
}  // namespace korvex::soil
