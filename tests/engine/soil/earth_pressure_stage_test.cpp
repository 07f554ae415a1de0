// The whole earth-pressure stage: its stops, its warnings and the pressure
// file it hands to the engine.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "earth_pressure_test_input.h"
#include "korvex/engine/list_reader.h"
#include "korvex/engine/run_stop.h"
#include "korvex/soil/earth_pressure.h"

namespace korvex::soil {
namespace {

using ::testing::EndsWith;
using testing::english_stage;
using ::testing::HasSubstr;
using ::testing::Not;

struct StageRun {
  std::ostringstream report, monitor, console, file;
  EarthPressureResult result;
};

void run(const StageInput& in, StageRun& r) {
  r.result = generate_earth_pressure(in, engine::UnitLabels::for_code(1),
                                     {r.report, r.monitor, r.console}, r.file);
}

StageInput sand_wall() {
  return english_stage(120, {{4, 240, 0.07, 0, 30}});
}

struct StopCase {
  std::string name;
  StageInput input;
  std::string message;
};

class StageStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(StageStopTest, EndsTheRunWithAClearMessage) {
  const StopCase& c = GetParam();
  StageRun r;
  try {
    run(c.input, r);
    FAIL() << "the stage should stop";
  } catch (const engine::RunStop& stop) {
    EXPECT_EQ(stop.kind(), engine::StopKind::SoilStop);
    EXPECT_EQ(std::string(stop.what()), c.message);
  }
  EXPECT_THAT(r.report.str(), EndsWith("\n\n     " + c.message + "\n"));
  EXPECT_EQ(r.file.str(), "") << "no pressure file after a stop";
}

StageInput with_layers(int n, double h, double wtb) {
  StageInput in = english_stage(h, {}, wtb);
  for (int i = 0; i < n; ++i) {
    SoilLayer l;
    l.type = 4;
    l.thickness = 12;
    l.top = {0.07, 0, 30, 0, 0, 0};
    in.layers.push_back(l);
  }
  return in;
}

StageInput with_surcharges(std::size_t n) {
  StageInput in = sand_wall();
  in.surcharges.assign(n, {1, 100.0, 24.0, 0});
  return in;
}

StageInput with_thickness(double t) {
  StageInput in = english_stage(60, {{4, 120, 0.07, 0, 30}, {4, t, 0.07, 0, 30}});
  return in;
}

StageInput with_phi(double phi) {
  return english_stage(60, {{4, 120, 0.07, 0, phi}});
}

StageInput too_deep() {
  return english_stage(120, {{4, 3000, 0.07, 0, 30}});
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, StageStopTest,
    ::testing::Values(
        StopCase{"NoLayerAtExcavation", english_stage(300, {{4, 240, 0.07, 0, 30}}),
                 "STOP 1 -- NO SOIL LAYER TOP AT THE EXCAVATION LEVEL"},
        StopCase{"NoLayersAtAll", english_stage(120, {}),
                 "STOP 1 -- NO SOIL LAYER TOP AT THE EXCAVATION LEVEL"},
        StopCase{"TwentyOneWorkingLayers", with_layers(20, 30, 150),
                 "STOP 2 -- MORE THAN 20 SOIL LAYERS AFTER THE SPLITS AT EXCAVATION AND WATER "
                 "TABLE"},
        StopCase{"ZeroThickness", with_thickness(0.0),
                 "STOP -- SOIL LAYER 2 HAS A ZERO OR NEGATIVE THICKNESS"},
        StopCase{"NegativeThickness", with_thickness(-5.0),
                 "STOP -- SOIL LAYER 2 HAS A ZERO OR NEGATIVE THICKNESS"},
        StopCase{"FrictionAngleOfNinety", with_phi(90.0),
                 "STOP -- FRICTION ANGLE OF SOIL LAYER 1 IS NOT BETWEEN 0 AND 90 DEGREES"},
        StopCase{"NegativeFrictionAngle", with_phi(-1.0),
                 "STOP -- FRICTION ANGLE OF SOIL LAYER 1 IS NOT BETWEEN 0 AND 90 DEGREES"},
        StopCase{"TooManyInputLayers", with_layers(21, 30, 1000),
                 "STOP -- MORE THAN 20 SOIL LAYERS"},
        StopCase{"HugeSurchargeCount", with_surcharges(5000), "STOP -- MORE THAN 20 SURCHARGES"},
        StopCase{"TooManyPressurePoints", too_deep(),
                 "STOP -- MORE THAN 2000 EARTH-PRESSURE POINTS: THE SOIL PROFILE IS TOO DEEP"}),
    [](const ::testing::TestParamInfo<StopCase>& c) { return c.param.name; });

TEST(StageStopTest, TheSoilTableIsPrintedBeforeStopOne) {
  StageRun r;
  EXPECT_THROW(run(english_stage(300, {{4, 240, 0.07, 0, 30}}), r), engine::RunStop);
  EXPECT_THAT(r.report.str(), HasSubstr("*                SOIL INFORMATION                *"));
  EXPECT_THAT(r.report.str(), Not(HasSubstr("EFFECTIVE OVERBURDEN")));
}

// The pressure file as the engine reads it: count, then that many lines.
TEST(EarthPressureStageTest, PressureFileHoldsAsManyLinesAsItsCount) {
  for (int code : {2, 3}) {
    StageInput in = sand_wall();
    in.earth_pressure_code = code;
    in.support_count = 1;
    in.first_support_depth = in.last_support_depth = 24;
    StageRun r;
    run(in, r);
    std::istringstream file(r.file.str());
    engine::ListReader reader(file);
    int count = 0;
    reader.read("count", count);
    EXPECT_EQ(count, code == 2 ? 241 : 242);
    double z = 0, pat = 0, paw = 0, paq = 0, last_z = -1;
    for (int i = 0; i < count; ++i) {
      reader.read("point", z, pat, paw, paq);
      EXPECT_GE(z, last_z);
      EXPECT_GE(pat, 0.0);
      last_z = z;
    }
    EXPECT_TRUE(reader.at_end());
    EXPECT_DOUBLE_EQ(z, 240.0);
    // Effective overburden at the excavation level for the p-y criteria.
    EXPECT_NEAR(r.result.sigvh, 0.07 * 120, 1e-12);
  }
}

TEST(EarthPressureStageTest, SlopeWarningGoesToMonitorAndReport) {
  StageInput in = english_stage(120, {{1, 60, 0.07, 4.0, 0}, {4, 240, 0.07, 0, 30}});
  in.backfill_slope = 20;
  StageRun r;
  run(in, r);
  const std::string warning =
      "\n\n**** WARNING ******\nTHE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL "
      "FRICTION ANGLE OF SAND.\n";
  EXPECT_EQ(r.monitor.str(), warning) << "once: only the clay above the excavation";
  // The warning stands just before the clay's coefficient row.
  EXPECT_THAT(r.report.str(), HasSubstr(warning + "           1          0.100E+01"));
}

TEST(EarthPressureStageTest, NegativeNetActiveForceIsReportedAndTheRunGoesOn) {
  StageInput in = english_stage(120, {{3, 240, 0.07, 8.0, 0}});
  StageRun r;
  run(in, r);
  const std::string message = "\n\n     Net active pressure is negative.\n\n";
  EXPECT_EQ(r.console.str(), message);
  EXPECT_THAT(r.report.str(), HasSubstr(message));
  EXPECT_THAT(r.file.str(), Not(""));
}

TEST(EarthPressureStageTest, TrapezoidWithoutSupportFallsBackWithAWarning) {
  StageInput in = sand_wall();
  in.earth_pressure_code = 3;
  StageRun r;
  run(in, r);
  EXPECT_THAT(r.report.str(), HasSubstr("WARNING -- NO SUPPORT OR NO FREE HEIGHT FOR THE "
                                        "TRAPEZOIDAL DISTRIBUTION"));
  EXPECT_EQ(r.file.str().substr(0, 5), " 241\n");
}

TEST(EarthPressureStageTest, NoFreeHeightWithSurchargesIsSaidOnce) {
  StageInput in = english_stage(0, {{4, 240, 0.07, 0, 30}});
  in.surcharges = {{1, 1000.0, 24.0, 0}, {2, 50.0, 30.0, 0}};
  StageRun r;
  run(in, r);
  const std::string text = "WARNING -- FREE HEIGHT BELOW 1.0E-6: SURCHARGE PRESSURES TAKEN AS ZERO";
  const std::string report = r.report.str();
  ASSERT_THAT(report, HasSubstr(text));
  EXPECT_EQ(report.find(text), report.rfind(text));
}

TEST(EarthPressureStageTest, UserPressureSurchargeUsesTheGrid) {
  StageInput in = sand_wall();
  in.surcharges = {{1, 1000.0, 24.0, 0}};
  // Wall of 240 in: grid step 1.2 in; 0.5 in lies above the first step.
  EXPECT_EQ(surcharge_pressure_at(in, 0.5), 0.0);
  EXPECT_GT(surcharge_pressure_at(in, 60.0), 0.0);
}

}  // namespace
}  // namespace korvex::soil
