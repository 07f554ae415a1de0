// p- and y-multipliers: group reduction and the modification table.
#include "korvex/soil/py_multipliers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex::soil {
namespace {

StageInput widths(double wa, double wp, std::vector<PyModRow> rows = {}) {
  StageInput in;
  in.free_height = 120.0;
  in.active_width = wa;
  in.py_width = wp;
  in.py_mod = std::move(rows);
  return in;
}

struct RatioCase {
  double ratio;
  double below;  // pm below the excavation level
};
class GroupReduction : public ::testing::TestWithParam<RatioCase> {};

TEST_P(GroupReduction, AppliesBelowTheExcavationOnly) {
  const RatioCase c = GetParam();
  const PyMultipliers m(widths(24.0 * c.ratio, 24.0));
  EXPECT_NEAR(m.p(200.0), c.below, 1e-12);
  EXPECT_NEAR(m.p(120.0), c.below, 1e-12);
  EXPECT_EQ(m.p(100.0), 1.0);
  EXPECT_EQ(m.y(200.0), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Ratios, GroupReduction,
                         ::testing::Values(RatioCase{1.0, 1.0}, RatioCase{1.09, 1.0},
                                           RatioCase{1.1, 0.5292 * std::pow(1.1, 0.5659)},
                                           RatioCase{2.0, 0.5292 * std::pow(2.0, 0.5659)},
                                           RatioCase{3.1, 1.0}, RatioCase{5.0, 1.0}));

TEST(GroupReduction, RatioTwoIsAbout0783) {
  EXPECT_NEAR(PyMultipliers(widths(48.0, 24.0)).p(200.0), 0.783, 5e-4);
}

TEST(ModificationTable, InterpolatesAndSteps) {
  const PyMultipliers m(
      widths(60.0, 24.0, {{0.0, 0.4, 1.0}, {10.0, 0.5, 2.0}, {10.0, 0.8, 3.0}, {30.0, 1.0, 4.0}}));
  EXPECT_NEAR(m.p(5.0), 0.45, 1e-12);
  EXPECT_NEAR(m.y(5.0), 1.5, 1e-12);
  EXPECT_NEAR(m.p(10.0), 0.8, 1e-12);  // the step takes the deeper value
  EXPECT_NEAR(m.y(10.0), 3.0, 1e-12);
  EXPECT_NEAR(m.p(20.0), 0.9, 1e-12);
  EXPECT_NEAR(m.p(30.0), 1.0, 1e-12);
  EXPECT_NEAR(m.y(30.0), 4.0, 1e-12);
  EXPECT_EQ(m.p(31.0), 1.0);  // beyond the last row
  EXPECT_EQ(m.y(-1.0), 1.0);  // above the first
  EXPECT_NEAR(m.p(0.0), 0.4, 1e-12);
}

TEST(ModificationTable, RowsReplaceTheGroupReduction) {
  const PyMultipliers m(widths(48.0, 24.0, {{0.0, 0.6, 0.9}, {500.0, 0.6, 0.9}}));
  EXPECT_NEAR(m.p(200.0), 0.6, 1e-12);
  EXPECT_NEAR(m.y(200.0), 0.9, 1e-12);
}

TEST(ModificationTable, OneRowGivesOneEverywhere) {
  const PyMultipliers m(widths(48.0, 24.0, {{100.0, 0.3, 0.3}}));
  EXPECT_EQ(m.p(100.0), 1.0);
  EXPECT_EQ(m.y(100.0), 1.0);
}

}  // namespace
}  // namespace korvex::soil
