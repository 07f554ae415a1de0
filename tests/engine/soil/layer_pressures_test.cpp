#include "korvex/soil/layer_pressures.h"

#include <gtest/gtest.h>

#include "earth_pressure_test_input.h"
#include "korvex/soil/surcharge_pressure.h"

namespace korvex::soil {
namespace {

using testing::english_stage;
constexpr double kGamw = 0.036;

struct Stage {
  SoilProfile profile;
  std::vector<LayerCoefficients> k;
  LayerResultants r;
};

Stage run(const StageInput& in) {
  Stage s;
  s.profile = build_soil_profile(in);
  compute_effective_overburden(s.profile, in.surcharge_at_top, in.water_depth_backfill, kGamw);
  s.k = earth_pressure_coefficients(s.profile, in.backfill_slope, in.free_height);
  s.r = layer_resultants(s.profile, s.k, resultant_surcharges(in), in.free_height,
                         in.water_depth_backfill, kGamw);
  return s;
}

TEST(LayerResultantsTest, DrySandIsTheRankineTriangle) {
  // Two sand layers above the excavation level at 240 in, phi 30 (Ka = 1/3).
  const Stage s = run(english_stage(240, {{4, 96, 0.07, 0, 30}, {4, 240, 0.06, 0, 30}}));
  const double ka = 1.0 / 3.0;
  ASSERT_EQ(s.profile.excavation, 2U);
  const LayerResultant& a = s.r.layers[0];
  const LayerResultant& b = s.r.layers[1];
  EXPECT_NEAR(a.pa1, 0.0, 1e-12);
  EXPECT_NEAR(a.pa2, 0.5 * 0.07 * 96 * 96 * ka, 1e-3);
  EXPECT_NEAR(b.pa1, 96 * 0.07 * ka * 144, 1e-3);
  EXPECT_NEAR(b.pa2, 0.5 * 0.06 * 144 * 144 * ka, 1e-3);
  EXPECT_DOUBLE_EQ(a.z1, 48);
  EXPECT_DOUBLE_EQ(a.z2, 64);
  EXPECT_DOUBLE_EQ(b.z1, 168);
  EXPECT_DOUBLE_EQ(b.z2, 192);
  EXPECT_DOUBLE_EQ(a.z3, -1.0e-5) << "no tension";
  // The total is Ka times the vertical stress diagram's area.
  const double area = 0.5 * 0.07 * 96 * 96 + 96 * 0.07 * 144 + 0.5 * 0.06 * 144 * 144;
  EXPECT_NEAR(s.r.pt, ka * area, 1e-5 * area);
  EXPECT_FALSE(s.r.water_section);
}

TEST(LayerResultantsTest, CohesiveLayerCarriesOnlyItsCompressivePart) {
  // Clay phi 0, c = 3 psi, 120 in above the excavation: tension crack depth
  // 2c/gamma = 85.71 in; active force 0.5 (H - z0)(gamma H - 2c).
  const Stage s = run(english_stage(120, {{3, 120, 0.07, 3.0, 0}, {3, 120, 0.07, 3.0, 0}}));
  const LayerResultant& r = s.r.layers[0];
  const double z0 = 2 * 3.0 / 0.07;
  EXPECT_EQ(r.pa1, 0.0);
  EXPECT_EQ(r.pa2, 0.0);
  EXPECT_EQ(r.pa3, 0.0);
  // Angles are converted with 57.2958 degrees per radian: Ka = 1 to 1e-6.
  EXPECT_NEAR(r.zc, 120 - z0, 1e-3);
  EXPECT_NEAR(r.pa4, 0.5 * (120 - z0) * (0.07 * 120 - 6.0), 1e-3);
  EXPECT_NEAR(r.z3, 120 - (120 - z0) / 3, 1e-3);
}

TEST(LayerResultantsTest, CohesionBeyondTheBottomPressureLeavesNoForce) {
  const Stage s = run(english_stage(120, {{3, 120, 0.07, 5.0, 0}, {3, 120, 0.07, 5.0, 0}}));
  const LayerResultant& r = s.r.layers[0];
  EXPECT_EQ(r.pa4, 0.0);
  EXPECT_EQ(r.zc, 0.0);
  EXPECT_NEAR(r.z3, 120.0, 1e-12);
  EXPECT_LT(s.r.pt, 1.0e-5);
}

TEST(LayerResultantsTest, SubmergedSandHasBuoyantWeightAndSeparateWater) {
  // Water table at 60 in, excavation at 180, sand phi 30, gamma 0.07.
  const Stage s = run(english_stage(180, {{4, 360, 0.07, 0, 30}}, 60));
  const double ka = 1.0 / 3.0;
  ASSERT_EQ(s.profile.layers.size(), 3U);
  ASSERT_TRUE(s.r.water_section);
  const LayerResultant& dry = s.r.layers[0];
  const LayerResultant& wet = s.r.layers[1];
  EXPECT_FALSE(dry.water_row);
  EXPECT_TRUE(wet.water_row);
  EXPECT_NEAR(wet.pa1, 60 * 0.07 * ka * 120, 1e-3);
  EXPECT_NEAR(wet.pa2, 0.5 * (0.07 - kGamw) * 120 * 120 * ka, 1e-3);
  EXPECT_NEAR(wet.pw1, 0.0, 1e-12) << "top of the layer at the water table";
  EXPECT_NEAR(-wet.pw2, 0.5 * kGamw * 120 * 120, 1e-9);
  EXPECT_NEAR(s.r.pt, dry.pa2 + wet.pa1 + wet.pa2 + 0.5 * kGamw * 120 * 120, 1e-9);
}

TEST(LayerResultantsTest, WaterResultantOfADeeperLayerHasItsUniformPart) {
  const Stage s = run(english_stage(240, {{4, 120, 0.07, 0, 30}, {4, 240, 0.07, 0, 30}}, 60));
  const LayerResultant& r = s.r.layers[2];  // tops 0, 60, 120, 240
  EXPECT_NEAR(-r.pw1, 60 * kGamw * 120, 1e-9);
  EXPECT_NEAR(-r.pw2, 0.5 * kGamw * 120 * 120, 1e-9);
}

TEST(LayerResultantsTest, UndrainedLayersGetNoWaterRow) {
  const Stage s = run(english_stage(180, {{1, 360, 0.07, 8.0, 0}}, 60));
  EXPECT_TRUE(s.r.water_section);
  for (const LayerResultant& r : s.r.layers) {
    EXPECT_FALSE(r.water_row);
    EXPECT_EQ(r.pw1, 0.0);
    EXPECT_EQ(r.pw2, 0.0);
  }
}

TEST(LayerResultantsTest, WaterBelowTheExcavationHasNoWaterSection) {
  const Stage s = run(english_stage(120, {{4, 360, 0.07, 0, 30}}, 120));
  EXPECT_FALSE(s.r.water_section);
}

TEST(LayerResultantsTest, EverySurchargeOfTheListAddsToTheLayerForce) {
  StageInput in = english_stage(120, {{4, 240, 0.07, 0, 30}});
  in.surcharges = {{1, 2000.0, 30.0, 0}, {1, 3000.0, 90.0, 0}};
  const Stage with = run(in);
  in.surcharges.clear();
  const Stage without = run(in);
  const double added = surcharge_layer_force({1, 2000.0, 30.0, 0}, 0, 120, 120) +
                       surcharge_layer_force({1, 3000.0, 90.0, 0}, 0, 120, 120);
  EXPECT_GT(added, 0.0);
  EXPECT_NEAR(with.r.layers[0].pa1 - without.r.layers[0].pa1, added, 1e-9);
}

TEST(LayerResultantsTest, LegacyRecordLoadsTheResultantsWhenTheListIsEmpty) {
  StageInput in = english_stage(120, {{4, 240, 0.07, 0, 30}});
  in.legacy = {40.0, 1500.0, 0.0, 0.0, 0.0};
  const Stage s = run(in);
  EXPECT_NEAR(s.r.layers[0].pa1, surcharge_layer_force({1, 1500.0, 40.0, 0}, 0, 120, 120), 1e-9);
}

}  // namespace
}  // namespace korvex::soil
