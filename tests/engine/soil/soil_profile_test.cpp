#include "korvex/soil/soil_profile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "earth_pressure_test_input.h"

namespace korvex::soil {
namespace {

using testing::english_stage;

std::vector<double> tops(const SoilProfile& p) {
  std::vector<double> z;
  for (const WorkingLayer& w : p.layers) z.push_back(w.ztop);
  return z;
}

struct SplitCase {
  std::string name;
  std::vector<double> thicknesses;
  double h;
  double wtb;
  std::vector<double> tops;
  std::size_t excavation;
  std::size_t water;  // layers.size() for a dry profile
};

class SubdivisionTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SubdivisionTest, SplitsAtExcavationAndWaterTable) {
  const SplitCase& c = GetParam();
  StageInput in = english_stage(c.h, {}, c.wtb);
  for (double t : c.thicknesses) {
    SoilLayer l;
    l.type = 4;
    l.thickness = t;
    in.layers.push_back(l);
  }
  const SoilProfile p = build_soil_profile(in);
  ASSERT_EQ(tops(p).size(), c.tops.size());
  for (std::size_t i = 0; i < c.tops.size(); ++i) EXPECT_NEAR(p.layers[i].ztop, c.tops[i], 1e-9);
  for (const WorkingLayer& w : p.layers) EXPECT_GT(w.thk, 1e-5) << "no empty layers";
  double sum = 0.0;
  for (double t : c.thicknesses) sum += t;
  EXPECT_NEAR(p.bottom, sum, 1e-4);
  EXPECT_EQ(p.excavation, c.excavation);
  EXPECT_EQ(p.water, c.water);
  EXPECT_FALSE(p.overflow);
}

constexpr std::size_t npos = SoilProfile::npos;

INSTANTIATE_TEST_SUITE_P(
    Cases, SubdivisionTest,
    ::testing::Values(
        SplitCase{"DryExcavationInsideLayer", {120, 240}, 180, 1000, {0, 120, 180}, 2, 3},
        SplitCase{"WaterAtSurfaceSplitsNothing", {120, 240}, 180, 0, {0, 120, 180}, 2, 0},
        SplitCase{"WaterAtLayerBoundaryWithinTolerance",
                  {120, 240},
                  180,
                  120.000004,
                  {0, 120.000004, 180},
                  2,
                  1},
        SplitCase{"WaterAtExcavationLevelOneSplit", {120, 240}, 180, 180, {0, 120, 180}, 2, 2},
        SplitCase{"WaterAboveExcavation", {120, 240}, 180, 60, {0, 60, 120, 180}, 3, 1},
        SplitCase{"BothBreaksInOneLayer", {300}, 200, 100, {0, 100, 200}, 2, 1},
        SplitCase{"WaterBelowExcavationInOneLayer", {300}, 100, 200, {0, 100, 200}, 1, 2},
        SplitCase{"ExcavationAtLayerBoundary", {120, 240}, 120, 1000, {0, 120}, 1, 2},
        SplitCase{"ExcavationAtProfileBottom", {120, 240}, 360, 1000, {0, 120}, npos, 2},
        SplitCase{"ExcavationBelowProfile", {120}, 500, 1000, {0}, npos, 1},
        SplitCase{"WaterAtProfileBottomIsDry", {120, 240}, 60, 360, {0, 60, 120}, 1, 3},
        SplitCase{"WaterAboveTheSurface", {120}, 60, -24, {0, 60}, 1, 0}),
    [](const ::testing::TestParamInfo<SplitCase>& c) { return c.param.name; });

TEST(SoilProfileTest, CopiesPropertiesAndFlags) {
  StageInput in = english_stage(60, {{1, 120, 0.07, 3.0, 0.0, 0.4},
                                     {4, 120, 0.068, 0.0, 32.0, 0.3},
                                     {7, 120, 0.09, 800.0, 0.0, 25.0}});
  in.active_pressure_factor = 1.25;
  const SoilProfile p = build_soil_profile(in);
  ASSERT_EQ(p.layers.size(), 4U);  // clay split at the excavation level
  EXPECT_FALSE(p.layers[0].drained);
  EXPECT_FALSE(p.layers[1].drained);
  EXPECT_TRUE(p.layers[2].drained);
  EXPECT_TRUE(p.layers[3].drained);
  EXPECT_DOUBLE_EQ(p.layers[1].cu, 3.0);
  EXPECT_DOUBLE_EQ(p.layers[1].kopt, 0.4);
  EXPECT_DOUBLE_EQ(p.layers[2].phi, 32.0);
  EXPECT_DOUBLE_EQ(p.layers[2].kopt, 0.3);
  EXPECT_DOUBLE_EQ(p.layers[3].kopt, 0.0) << "the RQD of weak rock is no coefficient";
  for (const WorkingLayer& w : p.layers) EXPECT_DOUBLE_EQ(w.moda, 1.25);
}

TEST(SoilProfileTest, MoreThanTwentyWorkingLayersOverflow) {
  StageInput in = english_stage(30, {}, 150);
  for (int i = 0; i < 20; ++i) {
    SoilLayer l;
    l.thickness = 12;
    in.layers.push_back(l);
  }
  SoilProfile p = build_soil_profile(in);
  EXPECT_TRUE(p.overflow);
  EXPECT_EQ(p.layers.size(), kMaxProfileLayers);

  in.layers.resize(18);  // 18 + 2 splits fill the table exactly
  p = build_soil_profile(in);
  EXPECT_FALSE(p.overflow);
  EXPECT_EQ(p.layers.size(), 20U);
}

TEST(SoilProfileTest, NonPositiveThicknessEndsTheWalkAndIsReported) {
  for (double t : {0.0, -12.0}) {
    const StageInput in =
        english_stage(60, {{4, 120, 0.07, 0, 30}, {4, t, 0.07, 0, 30}, {4, 120, 0.07, 0, 30}});
    const SoilProfile p = build_soil_profile(in);
    EXPECT_EQ(p.bad_thickness_layer, 2);
    EXPECT_EQ(p.layers.size(), 2U);
  }
}

TEST(SoilProfileTest, DryOverburdenIsTheWeightOfTheLayersAbove) {
  StageInput in =
      english_stage(400, {{4, 120, 0.07, 0, 30}, {4, 60, 0.06, 0, 30}, {3, 240, 0.072, 5, 0}});
  SoilProfile p = build_soil_profile(in);
  compute_effective_overburden(p, 0.0, in.water_depth_backfill, 0.036);
  ASSERT_EQ(p.layers.size(), 4U);
  EXPECT_DOUBLE_EQ(p.layers[0].sigvp, 0.0);
  EXPECT_NEAR(p.layers[1].sigvp, 120 * 0.07, 1e-12);
  EXPECT_NEAR(p.layers[2].sigvp, 120 * 0.07 + 60 * 0.06, 1e-12);
  EXPECT_NEAR(p.layers[3].sigvp, 120 * 0.07 + 60 * 0.06 + 220 * 0.072, 1e-12);
  for (const WorkingLayer& w : p.layers) EXPECT_FALSE(w.below_wt);
}

TEST(SoilProfileTest, PorePressureIsSubtractedBelowTheWaterTable) {
  // Water table 48 in down inside a sand layer; a uniform pressure of 1 psi.
  StageInput in = english_stage(150, {{4, 120, 0.07, 0, 30}, {1, 120, 0.065, 4, 0}}, 48);
  SoilProfile p = build_soil_profile(in);
  compute_effective_overburden(p, 1.0, 48, 0.036);
  ASSERT_EQ(p.layers.size(), 4U);  // tops 0, 48, 120, 150
  EXPECT_FALSE(p.layers[0].below_wt);
  EXPECT_TRUE(p.layers[1].below_wt);
  EXPECT_NEAR(p.layers[0].sigvp, 1.0, 1e-12);
  EXPECT_NEAR(p.layers[1].sigvp, 1.0 + 48 * 0.07, 1e-12);
  // Undrained clay below the water table loses its pore pressure too.
  EXPECT_NEAR(p.layers[2].sigvp, 1.0 + 120 * 0.07 - 72 * 0.036, 1e-12);
  EXPECT_NEAR(p.layers[3].sigvp, 1.0 + 120 * 0.07 + 30 * 0.065 - 102 * 0.036, 1e-12);
}

TEST(SoilProfileTest, WaterUnitWeightByUnitSystem) {
  EXPECT_DOUBLE_EQ(water_unit_weight(1), 0.036);
  EXPECT_DOUBLE_EQ(water_unit_weight(2), 9.81);
  EXPECT_DOUBLE_EQ(water_unit_weight(3), 0.036);
}

}  // namespace
}  // namespace korvex::soil
