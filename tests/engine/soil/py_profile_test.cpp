// The p-y layers, weight and strength tables and curve depths built from the
// input layers.
#include "korvex/soil/py_profile.h"

#include <gtest/gtest.h>

#include "korvex/engine/run_stop.h"
#include "py_test_input.h"

namespace korvex::soil {
namespace {
using testing::params;
using testing::py_stage;

const SoilParameters kClayTop = params(0.06, 5.0, 0.0, 0.01, 0.0);
const SoilParameters kClayBottom = params(0.06, 9.0, 0.0, 0.02, 0.0);
const SoilParameters kSand = params(0.07, 0.0, 34.0, 0.0, 90.0);

TEST(PyProfile, StraddlingLayerKeepsItsPartBelowTheExcavation) {
  // Layers: 0-60 (above), 60-180 (straddles the excavation at 120), 180-300.
  const StageInput in = py_stage(
      120.0,
      {{4, 60.0, kSand, kSand}, {1, 120.0, kClayTop, kClayBottom}, {4, 120.0, kSand, kSand}});
  const PyProfile p = build_py_profile(in);
  ASSERT_EQ(p.layers.size(), 2u);
  EXPECT_DOUBLE_EQ(p.layers[0].top, 0.0);
  EXPECT_DOUBLE_EQ(p.layers[0].bottom, 60.0);
  EXPECT_EQ(p.layers[0].type, 1);
  EXPECT_DOUBLE_EQ(p.layers[1].top, 60.0);
  EXPECT_DOUBLE_EQ(p.layers[1].bottom, 180.0);
  EXPECT_DOUBLE_EQ(p.layers[1].k, 90.0);
  // The clay's strength varies over the whole input layer: 7 psi at its middle.
  ASSERT_EQ(p.strength.size(), 4u);
  EXPECT_NEAR(p.strength[0].c, 7.0, 1e-12);
  EXPECT_NEAR(p.strength[1].c, 9.0, 1e-12);
  EXPECT_NEAR(p.strength[2].phi, 34.0 * 3.1416 / 180.0, 1e-12);
  EXPECT_DOUBLE_EQ(p.strength[1].x, p.strength[2].x);
}

TEST(PyProfile, CurveDepthsSitJustInsideEachLayer) {
  const StageInput in = py_stage(0.0, {{4, 100.0, kSand, kSand}, {4, 200.0, kSand, kSand}});
  const PyProfile p = build_py_profile(in);
  ASSERT_EQ(p.curve_depths.size(), 2u);
  const std::array<double, 5> first{0.1, 25.0, 50.0, 75.0, 99.9};
  const std::array<double, 5> second{100.1, 150.0, 200.0, 250.0, 299.9};
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(p.curve_depths[0][i], first[i], 1e-12);
    EXPECT_NEAR(p.curve_depths[1][i], second[i], 1e-12);
  }
}

TEST(PyProfile, SiOffsetsTheEndCurvesByOneCentimetre) {
  StageInput in = py_stage(0.0, {{4, 10.0, kSand, kSand}}, 20, 0.5, 0.6);
  in.unit_system = 2;
  const PyProfile p = build_py_profile(in);
  EXPECT_NEAR(p.curve_depths[0][0], 0.01, 1e-12);
  EXPECT_NEAR(p.curve_depths[0][4], 9.99, 1e-12);
}

TEST(PyProfile, LayersCutTwoIncrementsBelowTheTip) {
  // Wall 10 x 12 in, excavation at 24 in: the profile ends 120 + 24 - 24 =
  // 120 in below the excavation level.
  const StageInput in = py_stage(24.0,
                                 {{1, 100.0, kClayTop, kClayBottom},
                                  {1, 100.0, kClayTop, kClayBottom},
                                  {4, 100.0, kSand, kSand}},
                                 10, 12.0);
  const PyProfile p = build_py_profile(in);
  ASSERT_EQ(p.layers.size(), 2u);
  EXPECT_DOUBLE_EQ(p.layers[0].bottom, 76.0);
  EXPECT_DOUBLE_EQ(p.layers[1].bottom, 120.0);
  // Bottom values interpolated at the cut: 5 + 4 x 44/100.
  EXPECT_NEAR(p.strength[3].c, 5.0 + 4.0 * 0.44, 1e-12);
  EXPECT_NEAR(p.strength[3].e50, 0.01 + 0.01 * 0.44, 1e-12);
  EXPECT_DOUBLE_EQ(p.weight.back().x, 120.0);
}

TEST(PyProfile, WaterTableInsideALayerStepsTheWeight) {
  // Excavation 60, water table at 100 inside the first p-y layer (60-160).
  const StageInput in =
      py_stage(60.0, {{4, 160.0, kSand, kSand}, {4, 100.0, kSand, kSand}}, 40, 12.0, 24.0, 100.0);
  const PyProfile p = build_py_profile(in);
  ASSERT_EQ(p.weight.size(), 6u);
  const double wet = 0.07 - 0.036;
  const double xs[] = {0.0, 40.0, 40.0, 100.0, 100.0, 200.0};
  const double ws[] = {0.07, 0.07, wet, wet, wet, wet};
  for (int i = 0; i < 6; ++i) {
    EXPECT_NEAR(p.weight[i].x, xs[i], 1e-12) << i;
    EXPECT_NEAR(p.weight[i].weight, ws[i], 1e-12) << i;
  }
}

TEST(PyProfile, WaterTableAtTheExcavationSubmergesEverything) {
  const StageInput in = py_stage(60.0, {{4, 200.0, kSand, kSand}}, 40, 12.0, 24.0, 60.0);
  const PyProfile p = build_py_profile(in);
  ASSERT_EQ(p.weight.size(), 2u);
  EXPECT_NEAR(p.weight[0].weight, 0.07 - 0.036, 1e-12);
  EXPECT_NEAR(p.weight[1].weight, 0.07 - 0.036, 1e-12);
}

TEST(PyProfile, WaterTableAtALayerBoundary) {
  const StageInput in =
      py_stage(0.0, {{4, 100.0, kSand, kSand}, {4, 100.0, kSand, kSand}}, 40, 12.0, 24.0, 100.0);
  const PyProfile p = build_py_profile(in);
  ASSERT_EQ(p.weight.size(), 4u);
  EXPECT_NEAR(p.weight[1].weight, 0.07, 1e-12);
  EXPECT_NEAR(p.weight[2].weight, 0.07 - 0.036, 1e-12);
}

TEST(PyProfile, NothingBelowTheExcavationGivesNoLayer) {
  const StageInput in = py_stage(200.0, {{4, 100.0, kSand, kSand}, {4, 100.0, kSand, kSand}});
  EXPECT_TRUE(build_py_profile(in).layers.empty());
}

TEST(PyProfile, ZeroThicknessLayerContributesNothing) {
  const StageInput in = py_stage(
      0.0, {{4, 100.0, kSand, kSand}, {1, 0.0, kClayTop, kClayBottom}, {4, 100.0, kSand, kSand}});
  const PyProfile p = build_py_profile(in);
  ASSERT_EQ(p.layers.size(), 2u);
  EXPECT_DOUBLE_EQ(p.layers[1].top, 100.0);
}

TEST(PyProfile, LayerEndingAboveThePreviousOneStops) {
  const StageInput in = py_stage(0.0, {{4, 100.0, kSand, kSand}, {4, -10.0, kSand, kSand}});
  try {
    build_py_profile(in);
    FAIL() << "expected a stop";
  } catch (const engine::RunStop& s) {
    EXPECT_EQ(s.kind(), engine::StopKind::SoilStop);
    EXPECT_STREQ(s.what(), "STOP -- SOIL LAYER 2 ENDS ABOVE THE LAYER BEFORE IT");
  }
}

}  // namespace
}  // namespace korvex::soil
