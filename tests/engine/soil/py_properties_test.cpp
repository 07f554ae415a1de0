// Property functions of p-y generation over small hand-made tables.
#include "korvex/soil/py_properties.h"

#include <gtest/gtest.h>

#include <sstream>

#include "korvex/engine/run_stop.h"

namespace korvex::soil {
namespace {

// Two layers, 0-100 and 100-200, with a water table step at 150.
PyProfile two_layers() {
  PyProfile p;
  p.layers = {{0.0, 100.0, 1, 0.0}, {100.0, 200.0, 3, 0.0}};
  p.strength = {{0.0, 4.0, 0.0, 0.02, 0.0},
                {100.0, 8.0, 0.5, 0.0, 10.0},
                {100.0, 12.0, 0.3, 0.01, 30.0},
                {200.0, 16.0, 0.7, 0.01, 30.0}};
  p.weight = {{0.0, 0.06},   {100.0, 0.06},  {100.0, 0.07},
              {150.0, 0.07}, {150.0, 0.034}, {200.0, 0.034}};
  return p;
}

struct Fixture : ::testing::Test {
  std::ostringstream report, monitor, console;
  PyProfile profile = two_layers();
  PyProperties props{profile, SoilStreams{report, monitor, console}};
};

using PyPropertiesTest = Fixture;

TEST_F(PyPropertiesTest, LinearInsideALayer) {
  EXPECT_NEAR(props.c(25.0), 5.0, 1e-12);
  EXPECT_NEAR(props.c(150.0), 14.0, 1e-12);
  EXPECT_NEAR(props.phi(150.0), 0.5, 1e-12);
  EXPECT_NEAR(props.sixth(50.0), 5.0, 1e-12);
  EXPECT_NEAR(props.c(200.0), 16.0, 1e-12);  // the last point
}

TEST_F(PyPropertiesTest, LayerBoundaryRules) {
  EXPECT_NEAR(props.c(100.0), 12.0, 1e-12);    // the deeper layer's strength
  EXPECT_NEAR(props.phi(100.0), 0.4, 1e-12);   // the mean of both angles
  EXPECT_NEAR(props.e50(100.0), 0.01, 1e-12);  // the non-zero one
  EXPECT_NEAR(props.sixth(100.0), 20.0, 1e-12);
}

TEST_F(PyPropertiesTest, StrengthBeyondTheTableStopsWithCodeOne) {
  try {
    props.c(250.0);
    FAIL();
  } catch (const engine::RunStop& s) {
    EXPECT_EQ(std::string(s.what()).rfind("STOP 1 --", 0), 0u);
  }
  const std::string text = console.str();
  const std::string block =
      "                             **** WARNING ****\n"
      "                    THE VALUE OF X =  0.2D+03IS BEYOND THE EXTENT OF\n"
      "                    THE INPUT STRENGTH CURVE\n";
  EXPECT_EQ(text, block + block);
}

TEST_F(PyPropertiesTest, PhiBeyondTheTableStops) {
  EXPECT_THROW(props.phi(201.0), engine::RunStop);
  EXPECT_NE(console.str().find(" IS BEYOND THE EXTENT OF\n"), std::string::npos);
  EXPECT_NE(console.str().find("THE INPUT PHI CURVE"), std::string::npos);
}

TEST_F(PyPropertiesTest, GammaAvgIntegratesTheWeightTable) {
  EXPECT_NEAR(props.gamma_avg(50.0), 0.06, 1e-12);
  EXPECT_NEAR(props.gamma_avg(150.0), (0.06 * 100 + 0.07 * 50) / 150.0, 1e-12);
  EXPECT_NEAR(props.gamma_avg(200.0), (0.06 * 100 + 0.07 * 50 + 0.034 * 50) / 200.0, 1e-12);
  EXPECT_NEAR(props.gamma_avg(0.0), 0.06, 1e-12);  // at the surface: the first weight
}

TEST_F(PyPropertiesTest, GammaAvgBeyondTheTableStopsWithCodeFour) {
  try {
    props.gamma_avg(201.0);
    FAIL();
  } catch (const engine::RunStop& s) {
    EXPECT_EQ(std::string(s.what()).rfind("STOP 4 --", 0), 0u);
  }
}

TEST_F(PyPropertiesTest, CavgAveragesFromTheLayerTop) {
  EXPECT_NEAR(props.cavg(50.0, 0), (4.0 + 6.0) / 2.0, 1e-12);
  EXPECT_NEAR(props.cavg(150.0, 1), (12.0 + 14.0) / 2.0, 1e-12);
  EXPECT_NEAR(props.cavg(100.0 + 1e-6, 1), props.c(100.0 + 1e-6), 1e-12);
}

TEST_F(PyPropertiesTest, CavgBeyondTheTableWarnsAndUsesTheLayerEnds) {
  EXPECT_NEAR(props.cavg(260.0, 1), 14.0, 1e-12);
  EXPECT_EQ(report.str(),
            "          THE VALUE OF X = 0.26E+03IS BEYOND THE EXTENT OF THE/\n"
            "          INPUT CURVE FOR STRENGTH\n");
}

}  // namespace
}  // namespace korvex::soil
