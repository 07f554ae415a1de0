#include "korvex/soil/earth_pressure_distribution.h"

#include <gtest/gtest.h>

#include "earth_pressure_test_input.h"
#include "korvex/soil/surcharge_pressure.h"

namespace korvex::soil {
namespace {

using testing::english_stage;
constexpr double kKa30 = 1.0 / 3.0;  // Rankine Ka of phi = 30, to 1e-6

struct Result {
  SoilProfile profile;
  std::vector<LayerCoefficients> k;
  PressureDistribution d;
};

Result distribute(const StageInput& in, bool with_water = true) {
  Result r;
  const double gamw = water_unit_weight(in.unit_system);
  r.profile = build_soil_profile(in);
  compute_effective_overburden(r.profile, in.surcharge_at_top, in.water_depth_backfill, gamw);
  r.k = earth_pressure_coefficients(r.profile, in.backfill_slope, in.free_height);
  r.d = distribute_active_pressure(r.profile, r.k, in, gamw, with_water);
  return r;
}

const PressurePoint& at(const PressureDistribution& d, double z) {
  for (const PressurePoint& p : d.points)
    if (std::abs(p.zp - z) < 1e-9) return p;
  throw std::runtime_error("no point at depth " + std::to_string(z));
}

TEST(DistributionTest, DrySandIsKaGammaZAboveAndConstantBelow) {
  const Result r = distribute(english_stage(120, {{4, 240, 0.07, 0, 30}}));
  ASSERT_EQ(r.d.points.size(), 241U);
  EXPECT_EQ(r.d.last_above, 120U);
  for (double z : {1.0, 37.0, 120.0}) {
    const PressurePoint& p = at(r.d, z);
    EXPECT_NEAR(p.pat, kKa30 * 0.07 * z, 1e-5 * z);
    EXPECT_EQ(p.paw, p.pat);
    EXPECT_EQ(p.paq, 0.0);
  }
  for (double z : {121.0, 200.0, 240.0})
    EXPECT_NEAR(at(r.d, z).pat, kKa30 * 0.07 * 120, 1e-5) << "excavation-level pressure";
  // The trapezoid rule is exact for the triangle: 0.5 Ka gamma H^2.
  EXPECT_NEAR(r.d.ftot, 0.5 * kKa30 * 0.07 * 120 * 120, 1e-3);
}

TEST(DistributionTest, PointCountsPerLayer) {
  EXPECT_EQ(layer_point_count(36.0, 1), 36.0);
  EXPECT_EQ(layer_point_count(1.8, 2), 36.0);
  EXPECT_EQ(layer_point_count(10.4, 1), 10.0);
  EXPECT_EQ(layer_point_count(10.5, 3), 11.0);
  StageInput si = english_stage(1.8, {{4, 1.8, 18.0, 0, 30}, {4, 3.0, 18.0, 0, 30}});
  si.unit_system = 2;
  const Result r = distribute(si);
  EXPECT_EQ(r.d.points.size(), 1U + 36U + 60U);
  EXPECT_NEAR(r.d.points[36].zp, 1.8, 1e-12);
  EXPECT_NEAR(r.d.points[1].zp, 0.05, 1e-12);
  // SI: 0.5 Ka gamma H^2 over 0.05 m steps.
  EXPECT_NEAR(r.d.ftot, 0.5 * kKa30 * 18.0 * 1.8 * 1.8, 1e-4);
}

TEST(DistributionTest, SubmergedSandCarriesEffectiveStressAndWater) {
  // Water table at 60, excavation at 180; the excavation side is dry.
  const Result r = distribute(english_stage(180, {{4, 360, 0.07, 0, 30}}, 60));
  const double gamw = 0.036;
  for (double z : {100.0, 180.0}) {
    const double effective = 60 * 0.07 + (z - 60) * (0.07 - gamw);
    EXPECT_NEAR(at(r.d, z).pat, kKa30 * effective + gamw * (z - 60), 1e-4) << z;
  }
  // Without the pressure switch the water term is left out.
  const Result dry = distribute(english_stage(180, {{4, 360, 0.07, 0, 30}}, 60), false);
  EXPECT_NEAR(at(dry.d, 100).pat, kKa30 * (60 * 0.07 + 40 * (0.07 - gamw)), 1e-4);
}

TEST(DistributionTest, ExcavationSideWaterIsSubtracted) {
  // Backfill water at 60, excavation water at 96, excavation at 120.
  StageInput in = english_stage(120, {{4, 240, 0.07, 0, 30}}, 60);
  in.water_depth_excavation = 96;
  const Result r = distribute(in);
  const double gamw = 0.036;
  auto soil = [&](double z) { return kKa30 * (60 * 0.07 + (z - 60) * (0.07 - gamw)); };
  // Above the excavation level: backfill water less excavation water.
  EXPECT_NEAR(at(r.d, 110).pat, soil(110) + gamw * (110 - 60) - gamw * (110 - 96), 1e-4);
  // At the excavation level the last value is kept; below it the net head.
  EXPECT_NEAR(at(r.d, 120).pat, soil(120) + gamw * 60 - gamw * 23, 1e-4);
  EXPECT_NEAR(at(r.d, 150).pat, soil(120) - (60 - 96) * gamw, 1e-4);
}

TEST(DistributionTest, UniformSurfacePressureIsItsOwnPart) {
  StageInput in = english_stage(120, {{4, 240, 0.07, 0, 30}});
  in.surcharge_at_top = 2.0;
  const Result r = distribute(in);
  EXPECT_NEAR(r.d.points[0].pat, kKa30 * 2.0, 1e-5);
  EXPECT_EQ(r.d.points[0].paq, r.d.points[0].pat);
  EXPECT_EQ(r.d.points[0].paw, 0.0);
  const PressurePoint& p = at(r.d, 60);
  EXPECT_NEAR(p.pat, kKa30 * (2.0 + 0.07 * 60), 1e-5);
  EXPECT_NEAR(p.paq, kKa30 * 2.0, 1e-5);
  EXPECT_NEAR(p.paw, kKa30 * 0.07 * 60, 1e-5);
}

TEST(DistributionTest, UniformSurfacePressurePartHoldsNoWater) {
  // Water at the surface; the second layer's top lies 48 in below it.
  StageInput in = english_stage(120, {{4, 48, 0.07, 0, 30}, {4, 192, 0.07, 0, 30}}, 0);
  in.surcharge_at_top = 2.0;
  const Result r = distribute(in);
  const PressurePoint& p = at(r.d, 60);
  EXPECT_NEAR(p.pat, kKa30 * (2.0 + (0.07 - 0.036) * 60) + 0.036 * 60, 1e-5);
  EXPECT_NEAR(p.paq, kKa30 * 2.0, 1e-5);
  EXPECT_NEAR(p.paw, kKa30 * (0.07 - 0.036) * 60 + 0.036 * 60, 1e-5);
}

TEST(DistributionTest, OptionalCoefficientReplacesKa) {
  const Result r = distribute(english_stage(120, {{4, 240, 0.07, 0, 30, 0.3}}));
  EXPECT_NEAR(at(r.d, 90).pat, 0.3 * 0.07 * 90, 1e-12);
  EXPECT_NEAR(at(r.d, 200).pat, 0.3 * 0.07 * 120, 1e-12);
}

TEST(DistributionTest, TensionZoneIsWrittenAsTinyPositivePressure) {
  // c = 3 psi, gamma 0.07: pressure gamma z - 2c is negative above 85.7 in.
  const Result r = distribute(english_stage(120, {{3, 240, 0.07, 3.0, 0}}));
  for (std::size_t k = 1; k < r.d.points.size(); ++k) {
    const PressurePoint& p = r.d.points[k];
    EXPECT_GT(p.pat, 0.0);
    EXPECT_GT(p.paw, 0.0);
    if (p.zp < 85.0) {
      EXPECT_DOUBLE_EQ(p.pat, static_cast<double>(k + 1) * 1.0e-12);
    }
  }
  EXPECT_NEAR(at(r.d, 100).pat, 0.07 * 100 - 6.0, 1e-4);
}

TEST(DistributionTest, SurchargesEnterTotalAndSurchargePart) {
  StageInput in = english_stage(120, {{4, 240, 0.07, 0, 30}});
  in.surcharges = {{1, 5000.0, 36.0, 0}, {3, 1.5, 60.0, 24.0}};
  const Result r = distribute(in);
  const PressurePoint& p = at(r.d, 77);
  const double ps = surcharge_pressure_on_grid(in.surcharges, 77, 120, 240);
  EXPECT_GT(ps, 0.0);
  EXPECT_NEAR(p.paq, ps, 1e-12);
  EXPECT_NEAR(p.pat, kKa30 * 0.07 * 77 + ps, 1e-4);
  EXPECT_NEAR(p.paw, kKa30 * 0.07 * 77, 1e-4);
}

TEST(TrapezoidTest, OneSupportKeepsOnePointThreeTimesTheTriangle) {
  Result r = distribute(english_stage(240, {{4, 480, 0.07, 0, 30}}));
  const double ftot = r.d.ftot;
  EXPECT_NEAR(ftot, 0.5 * kKa30 * 0.07 * 240 * 240, 1e-2);
  const PressureDistribution before = r.d;
  ASSERT_TRUE(apply_trapezoidal_envelope(r.d, 240, {1, 60, 60}));
  const double pmax = 1.3 * ftot * 3 / (2 * 240);
  double area = 0;
  for (std::size_t k = 1; k <= r.d.last_above; ++k)
    area += 0.5 * (r.d.points[k - 1].pat + r.d.points[k].pat) *
            (r.d.points[k].zp - r.d.points[k - 1].zp);
  EXPECT_NEAR(area, 1.3 * ftot, 2e-3 * ftot);
  EXPECT_NEAR(at(r.d, 20).pat, pmax * 20 / 40, 1e-9);  // upper ramp to 2 H1/3 = 40
  EXPECT_NEAR(at(r.d, 100).pat, pmax, 1e-9);
  EXPECT_NEAR(at(r.d, 120).pat, pmax, 1e-9);
  // Lower ramp from H - 2(H - H1)/3 = 120 down to nothing at H.
  EXPECT_NEAR(at(r.d, 180).pat, pmax / 2, 1e-9);
  EXPECT_NEAR(at(r.d, 200).pat, pmax / 3, 1e-9);
  EXPECT_LT(at(r.d, 239).pat, pmax);
  EXPECT_GT(at(r.d, 240).pat, 0.0);
  for (std::size_t k = r.d.last_above + 1; k < r.d.points.size(); ++k)
    EXPECT_EQ(r.d.points[k].pat, before.points[k].pat) << "below the excavation unchanged";
  EXPECT_EQ(at(r.d, 100).paw, at(before, 100).paw);
}

TEST(TrapezoidTest, SeveralSupportsSpanFromUppermostToLowest) {
  Result r = distribute(english_stage(240, {{4, 480, 0.07, 0, 30}}));
  const double ftot = r.d.ftot;
  ASSERT_TRUE(apply_trapezoidal_envelope(r.d, 240, {3, 48, 168}));
  const double pmax = 1.3 * ftot / (240 - 48.0 / 3 - (240 - 168.0) / 3);
  EXPECT_NEAR(at(r.d, 16).pat, pmax * 16 / 32, 1e-9);
  EXPECT_NEAR(at(r.d, 150).pat, pmax, 1e-9);
  EXPECT_NEAR(at(r.d, 216).pat, pmax - (216 - 192) * pmax / 48, 1e-9);
  double area = 0;
  for (std::size_t k = 1; k <= r.d.last_above; ++k)
    area += 0.5 * (r.d.points[k - 1].pat + r.d.points[k].pat) *
            (r.d.points[k].zp - r.d.points[k - 1].zp);
  EXPECT_NEAR(area, 1.3 * ftot, 2e-3 * ftot);
}

TEST(TrapezoidTest, NeedsASupportAndAFreeHeight) {
  Result r = distribute(english_stage(240, {{4, 480, 0.07, 0, 30}}));
  const PressureDistribution before = r.d;
  EXPECT_FALSE(apply_trapezoidal_envelope(r.d, 240, {0, 0, 0}));
  EXPECT_EQ(r.d.points[100].pat, before.points[100].pat);
  Result surface = distribute(english_stage(0, {{4, 480, 0.07, 0, 30}}));
  EXPECT_EQ(surface.d.last_above, 0U);
  EXPECT_FALSE(apply_trapezoidal_envelope(surface.d, 0, {1, 0, 0}));
}

}  // namespace
}  // namespace korvex::soil
