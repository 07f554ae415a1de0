// The p-y driver: curve file layout, stops with their messages, warnings and
// the active-pressure offset, on small stage inputs.
#include "korvex/soil/py_generation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "korvex/engine/run_stop.h"
#include "korvex/soil/py_profile.h"
#include "korvex/soil/py_report.h"
#include "py_test_input.h"

namespace korvex::soil {
namespace {
using testing::params;
using testing::py_stage;

const SoilParameters kSand = params(0.068, 0.0, 32.0, 0.0, 90.0);
const SoilParameters kClay = params(0.060, 5.0, 0.0, 0.01, 0.0);
const SoilParameters kStiff = params(0.068, 12.0, 0.0, 0.007, 500.0);

struct PyRunOutput {
  std::ostringstream report, monitor, console, curves;
  void operator()(const StageInput& in, double sigvh = 0.0) {
    generate_py_curves(in, sigvh, engine::UnitLabels::for_code(1), {report, monitor, console},
                       curves);
  }
};

std::vector<std::string> lines_of(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream is(s);
  for (std::string l; std::getline(is, l);) out.push_back(l);
  return out;
}

TEST(PyGeneration, CurveFileCountsUserAndGeneratedCurves) {
  StageInput in = py_stage(
      120.0, {{4, 180.0, kSand, kSand}, {1, 60.0, kClay, kClay}, {3, 300.0, kStiff, kStiff}});
  in.user_curves = {{10, {0.0, 1.0}, {0.0, -50.0}}, {12, {0.0, 0.5, 2.0}, {0.0, -20.0, -40.0}}};
  PyRunOutput run;
  run(in);
  const auto lines = lines_of(run.curves.str());
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], " 17");
  EXPECT_EQ(lines[1], " 10 2");
  EXPECT_EQ(lines[3], " 2 -5.000000000E+01 1.000000000E+00");
  EXPECT_EQ(lines[4], " 12 3");
  // Then 15 generated curves of a header and 34 rows each.
  ASSERT_EQ(lines.size(), 1u + 3u + 4u + 15u * 35u);
  std::istringstream header(lines[8]);
  double depth = 0;
  int count = 0;
  header >> depth >> count;
  EXPECT_NEAR(depth, 120.1, 1e-9);
  EXPECT_EQ(count, 34);
  EXPECT_EQ(lines[9].substr(0, 5), "    1");
  EXPECT_EQ(lines[9 + 16].substr(0, 5), "   17");
  EXPECT_EQ(lines[9 + 17].substr(0, 5), "    1");
  EXPECT_NE(run.console.str().find(" READ SOIL DATA....\n"), std::string::npos);
}

TEST(PyGeneration, SandOffsetLowersTheExcavationFaceAndRaisesTheBackfill) {
  const StageInput in = py_stage(120.0, {{4, 600.0, kSand, kSand}});
  const double sigvh = 8.0;
  PyRunOutput run;
  run(in, sigvh);
  const double ka = std::pow(std::tan(3.1416 / 4 - 16.0 * 3.1416 / 180), 2);
  const double pa0 = sigvh * ka * 24.0;
  const auto lines = lines_of(run.curves.str());
  // First generated curve: excavation row 1 and backfill row 1 at y = 0.
  auto p_of = [](const std::string& row) { return std::stod(row.substr(6, 10)); };
  EXPECT_NEAR(p_of(lines[2]), -pa0, 0.001 * pa0);
  EXPECT_NEAR(p_of(lines[2 + 17]), pa0, 0.001 * pa0);
}

TEST(PyGeneration, ZeroModulusIsWarnedInTheReport) {
  const StageInput in = py_stage(
      120.0, {{4, 180.0, params(0.068, 0.0, 32.0, 0.0, 0.0), kSand}, {4, 600.0, kSand, kSand}});
  PyRunOutput run;
  run(in);
  EXPECT_NE(run.report.str().find("     **** WARNING **** LAYER  1: THE SUBGRADE MODULUS k IS 0\n"
                                  "     ITS P-Y CURVES GIVE NO SOIL RESISTANCE TO THE WALL\n"),
            std::string::npos);
  EXPECT_EQ(run.report.str().find("LAYER  2: THE SUBGRADE"), std::string::npos);
}

TEST(PyGeneration, TinyE50WarnsOfSmallDeflections) {
  const StageInput in = py_stage(
      0.0, {{1, 480.0, params(0.06, 5.0, 0.0, 1e-16, 0.0), params(0.06, 5.0, 0.0, 1e-16, 0.0)}});
  PyRunOutput run;
  run(in);
  std::size_t warnings = 0;
  for (std::size_t at = 0;
       (at = run.report.str().find("**** WARNING ****", at)) != std::string::npos; ++at)
    ++warnings;
  // y50 = 6.0E-15: points 2 to 9 (8 y50 x 0.00025 to 0.15) stay below 1.0E-14 on every face.
  EXPECT_EQ(warnings, 5u * 2u * 8u);
  EXPECT_NE(run.report.str().find("DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM\n"),
            std::string::npos);
}

// The second soft-clay layer starts at the depth where its own soil would
// have built up the resistance of the first layer's curves.
TEST(PyGeneration, LowerLayerUsesTheEquivalentDepth) {
  const SoilParameters upper = params(0.06, 3.0, 0.0, 0.01, 0.0);
  const SoilParameters lower = params(0.06, 8.0, 0.0, 0.01, 0.0);
  StageInput in = py_stage(0.0, {{1, 100.0, upper, upper}, {1, 380.0, lower, lower}});
  in.active_width = 80.0;  // WA/WP above 3.1: no reduction, no continuous-wall rule
  PyRunOutput run;
  run(in);
  const auto lines = lines_of(run.curves.str());
  // Row 16 of the excavation face of curve n (0-based) carries pu.
  auto pu_of = [&](int n) { return std::stod(lines[1 + 35 * n + 16].substr(6, 10)); };
  const double b = 24.0, g = 0.06;
  const double xs[] = {0.1, 25.0, 50.0, 75.0, 99.9};
  double fsum = 0.0;
  for (int i = 1; i < 5; ++i) fsum += pu_of(i) * (xs[i] - xs[i - 1]);
  // Soft clay: F(x) = 3 c b x + gamma b x^2/2 + c x^2/4 below the cap at Np = 9.
  const double c = 8.0;
  const double a = 0.25 * c + 0.5 * g * b;
  const double xeq = (-3 * c * b + std::sqrt(9 * c * c * b * b + 4 * a * fsum)) / (2 * a);
  ASSERT_LT(xeq, 6 * c * b / (0.5 * c + g * b));
  const double xu = 100.1 - 100.0 + xeq;
  const double pu = c * b * std::min(3 + g * xu / c + 0.5 * xu / b, 9.0);
  EXPECT_NEAR(pu_of(5), pu, 0.005 * pu);
}

struct StopCase {
  const char* name;
  StageInput input;
  const char* message;
  const char* console;  // expected in the console, or empty
};

std::vector<StopCase> stop_cases() {
  std::vector<StopCase> cases;
  auto add = [&](const char* name, StageInput in, const char* msg, const char* console = "") {
    cases.push_back({name, std::move(in), msg, console});
  };
  add("ZeroCohesion",
      py_stage(0.0, {{1, 480.0, params(0.06, 0.0, 0, 0.01, 0), params(0.06, 0.0, 0, 0.01, 0)}}),
      "STOP -- P-Y LAYER 1: THE UNDRAINED STRENGTH OF A CLAY MUST BE GREATER THAN 0");
  add("ZeroE50",
      py_stage(0.0, {{2, 480.0, params(0.06, 5.0, 0, 0.0, 100), params(0.06, 5.0, 0, 0.0, 100)}}),
      "STOP -- P-Y LAYER 1: E50 OF A CLAY MUST BE GREATER THAN 0");
  add("ZeroStiffClayCohesionBelow",
      py_stage(0.0, {{4, 100.0, kSand, kSand},
                     {3, 380.0, params(0.06, 0.0, 0, 0.01, 0), params(0.06, 0.0, 0, 0.01, 0)}}),
      "STOP -- P-Y LAYER 2: THE UNDRAINED STRENGTH OF A CLAY MUST BE GREATER THAN 0");
  add("SandWithoutFriction",
      py_stage(0.0, {{4, 480.0, params(0.068, 0, 0, 0, 90), params(0.068, 0, 0, 0, 90)}}),
      "STOP -- P-Y LAYER 1: THE FRICTION ANGLE OF A SAND MUST BE GREATER THAN 0");
  add("SiltWithoutFriction",
      py_stage(0.0, {{5, 480.0, params(0.068, 2, 0, 0, 90), params(0.068, 2, 0, 0, 90)}}),
      "STOP -- P-Y LAYER 1: THE FRICTION ANGLE OF A SILT MUST BE GREATER THAN 0",
      "\n\n       WARNING-------The Angle of the slope can not\n"
      "                     be greater than the internal  \n"
      "                     friction angle of the sand.   \n");
  add("StrongRockWithoutStrength",
      py_stage(0.0, {{6, 480.0, params(0.08, 0, 0, 0, 0), params(0.08, 0, 0, 0, 0)}}),
      "STOP -- P-Y LAYER 1: THE STRENGTH OF ROCK MUST BE GREATER THAN 0");
  add("WeakRockWithoutStrength",
      py_stage(0.0, {{7, 480.0, params(0.08, 0, 0, 0.0005, 1e5, 50),
                      params(0.08, 0, 0, 0.0005, 1e5, 50)}}),
      "STOP -- P-Y LAYER 1: THE STRENGTH OF WEAK ROCK IS 0",
      "\n       --------------------WARNING----------------------\n"
      "       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT\n"
      "       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.\n");
  add("WeakRockWithoutKrm",
      py_stage(0.0,
               {{7, 480.0, params(0.08, 900, 0, 0, 1e5, 50), params(0.08, 900, 0, 0, 1e5, 50)}}),
      "STOP -- P-Y LAYER 1: KRM (THE E50 COLUMN) OF WEAK ROCK MUST BE GREATER THAN 0");
  add("SandWithoutWeight",
      py_stage(0.0, {{4, 480.0, params(0, 0, 30, 0, 90), params(0, 0, 30, 0, 90)}}),
      "STOP -- P-Y LAYER 1: THE EFFECTIVE UNIT WEIGHT OF A SAND MUST BE GREATER THAN 0");
  add("NegativeModulus", py_stage(0.0, {{4, 480.0, params(0.068, 0, 30, 0, -5), kSand}}),
      "STOP -- P-Y LAYER 1: THE SUBGRADE MODULUS k MUST NOT BE NEGATIVE");
  add("NothingBelowTheCut", py_stage(600.0, {{4, 480.0, kSand, kSand}}),
      "STOP -- NO SOIL LAYER REACHES BELOW THE EXCAVATION LEVEL ABOVE THE WALL TIP");
  add("NoWidth", py_stage(0.0, {{4, 480.0, kSand, kSand}}, 40, 12.0, 0.0),
      "STOP -- THE P-Y WIDTH WP MUST BE GREATER THAN 0");
  StageInput many = py_stage(0.0, {});
  for (int i = 0; i < 21; ++i) many.layers.push_back({4, 20.0 * (i + 1), 20.0, kSand, kSand});
  add("TwentyOneLayers", many, "STOP -- MORE THAN 20 P-Y LAYERS BELOW THE EXCAVATION LEVEL");
  return cases;
}

class PyGenerationStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(PyGenerationStop, EndsTheRunWithAClearMessage) {
  const StopCase& c = GetParam();
  PyRunOutput run;
  try {
    run(c.input);
    FAIL() << "expected a stop";
  } catch (const engine::RunStop& s) {
    EXPECT_EQ(s.kind(), engine::StopKind::SoilStop);
    EXPECT_STREQ(s.what(), c.message);
  }
  const std::string report = run.report.str();
  const std::string last = std::string("\n\n     ") + c.message + "\n";
  ASSERT_GE(report.size(), last.size());
  EXPECT_EQ(report.substr(report.size() - last.size()), last);
  if (*c.console != '\0') {
    EXPECT_NE(run.console.str().find(c.console), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(BadInput, PyGenerationStop, ::testing::ValuesIn(stop_cases()),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(PyProfileReport, MatchesTheExpectedText) {
  const StageInput in =
      py_stage(60.0,
               {{4, 120.0, kSand, kSand},
                {1, 100.0, kClay, params(0.060, 7.0, 0.0, 0.02, 0.0)},
                {6, 300.0, params(0.08, 2000, 0, 0, 0), params(0.08, 2000, 0, 0, 0)}},
               30, 12.0, 24.0, 150.0);
  std::ostringstream os;
  write_py_profile_report(os, build_py_profile(in), in.free_height,
                          engine::UnitLabels::for_code(1));
  write_reduction_factors(os, {{60.0, 0.5, 1.0}, {400.0, 0.8, 1.1}});
  std::ifstream expected(std::string(KORVEX_SOIL_TEST_DATA) + "/py_profile_report.txt");
  ASSERT_TRUE(expected) << "missing expected text";
  std::stringstream want;
  want << expected.rdbuf();
  EXPECT_EQ(os.str(), want.str());
}

}  // namespace
}  // namespace korvex::soil
