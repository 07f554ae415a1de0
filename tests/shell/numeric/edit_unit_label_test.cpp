#include "korvex/numeric/edit_unit_label.h"

#include <gtest/gtest.h>

namespace korvex::numeric {
namespace {

struct LabelCase {
  const char* code;
  const char* english;
  const char* si;
};

class EditLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(EditLabel, PerSystem) {
  const LabelCase& c = GetParam();
  EXPECT_EQ(EditUnitLabel(c.code, 1), c.english) << c.code;
  EXPECT_EQ(EditUnitLabel(c.code, 2), c.si) << c.code;
  EXPECT_EQ(EditUnitLabel(c.code, 3), c.code) << c.code;
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, EditLabel,
    ::testing::Values(
        LabelCase{"F", "lbs", "kN"}, LabelCase{"F1", "kips", "kN"}, LabelCase{"F2", "tons", "kN"},
        LabelCase{"F4", "lb-sec2/in", "Mg"}, LabelCase{"F5", "sec", "sec"},
        LabelCase{"F6", "slug", "Mg"}, LabelCase{"L", "in", "m"}, LabelCase{"L1", "in", "mm"},
        LabelCase{"L2", "ft", "m"}, LabelCase{"L3", "rad", "rad"},
        LabelCase{"F/L2^2", "lbs/ft^2", "kN/m^2"}, LabelCase{"F1-L2", "kips-ft", "kN-m"},
        LabelCase{"F-L/L3", "lbs-L/rad", "kN-L/rad"}, LabelCase{"DEG.", "DEG.", "DEG."}));

}  // namespace
}  // namespace korvex::numeric
