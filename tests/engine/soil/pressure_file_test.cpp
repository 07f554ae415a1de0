#include "korvex/soil/pressure_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace korvex::soil {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

PressureDistribution small_distribution() {
  PressureDistribution d;
  d.points = {{0.0, 0.0, 0.0, 0.0},
              {1.0, 0.5, 0.25, 0.25},
              {2.0, 1.0, 0.75, 0.25},
              {3.0, 1.5, -0.125, 1.625},
              {4.0, 1.5, 1.25, 0.25}};
  d.last_above = 2;
  return d;
}

TEST(PressureFileTest, CountEqualsThePointLines) {
  std::ostringstream os;
  write_pressure_file(os, small_distribution(), false);
  const auto lines = lines_of(os.str());
  ASSERT_EQ(lines.size(), 6U);
  EXPECT_EQ(lines[0], " 5");
  EXPECT_EQ(lines[2],
            "      0.100000000E+01     0.500000000E+00     0.250000000E+00     0.250000000E+00");
  EXPECT_EQ(lines[4],
            "      0.300000000E+01     0.150000000E+01    -0.125000000E+00     0.162500000E+01");
}

TEST(PressureFileTest, TrapezoidalLayoutRepeatsTheExcavationPoint) {
  std::ostringstream os;
  write_pressure_file(os, small_distribution(), true);
  const auto lines = lines_of(os.str());
  ASSERT_EQ(lines.size(), 7U);
  EXPECT_EQ(lines[0], " 6");
  EXPECT_EQ(lines[3], lines[4]);
  EXPECT_NE(lines[4], lines[5]);
}

TEST(PressureFileTest, KeepsDeepDepthsDistinct) {
  // 10.05 m and 10.10 m would both read 0.101E+02 with three digits.
  PressureDistribution d;
  d.points = {{0.0, 0, 0, 0}, {10.05, 1, 1, 0}, {10.10, 1, 1, 0}};
  std::ostringstream os;
  write_pressure_file(os, d, false);
  const auto lines = lines_of(os.str());
  EXPECT_NE(lines[2].substr(0, 21), lines[3].substr(0, 21));
}

}  // namespace
}  // namespace korvex::soil
