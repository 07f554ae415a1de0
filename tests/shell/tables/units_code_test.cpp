#include "korvex/tables/units_code.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex::tables {
namespace {

struct TokenCase {
  const char* code;
  const char* english;
  const char* si;
  const char* other;
  double factor;  // English per SI, from the exact definitions below
};

// 1 kN = 224.8089431 lbf, 1 m = 39.37007874 in = 3.280839895 ft; the table
// factors are the program's published constants.
class UnitToken : public ::testing::TestWithParam<TokenCase> {};

TEST_P(UnitToken, LabelsAndFactor) {
  const TokenCase& c = GetParam();
  EXPECT_EQ(UnitsLabel(c.code, 1), c.english);
  EXPECT_EQ(UnitsLabel(c.code, 2), c.si);
  EXPECT_EQ(UnitsLabel(c.code, 3), c.other);
  EXPECT_NEAR(static_cast<double>(UnitsFactor(c.code)), c.factor, 1e-9 * c.factor);
}

INSTANTIATE_TEST_SUITE_P(Tokens, UnitToken,
                         ::testing::Values(TokenCase{"F", "lbs", "kN", "F", 224.8089237},
                                           TokenCase{"F0", "lbs", "kN", "F", 224.8089237},
                                           TokenCase{"F1", "kips", "kN", "F", 0.2248089237},
                                           TokenCase{"F2", "tons", "kN", "F", 0.1124044745},
                                           TokenCase{"F4", "lb-sec2/in", "Mg", "M", 5.7101483},
                                           TokenCase{"F5", "sec", "sec", "T", 1.0},
                                           TokenCase{"F6", "slug", "Mg", "F", 68.364249},
                                           TokenCase{"L", "in", "m", "L", 39.37007874},
                                           TokenCase{"L1", "in", "mm", "L", 0.03937007874},
                                           TokenCase{"L2", "ft", "m", "L", 3.280839895},
                                           TokenCase{"L3", "rad", "rad", "L", 1.0}));

struct CompoundCase {
  const char* code;
  const char* english;
  const char* si;
  double factor;
};

class CompoundCode : public ::testing::TestWithParam<CompoundCase> {};

TEST_P(CompoundCode, LabelsAndFactor) {
  const CompoundCase& c = GetParam();
  EXPECT_EQ(UnitsLabel(c.code, 1), c.english);
  EXPECT_EQ(UnitsLabel(c.code, 2), c.si);
  EXPECT_NEAR(static_cast<double>(UnitsFactor(c.code)), c.factor, 1e-9 * c.factor);
}

constexpr double kF = 224.8089237;
constexpr double kL = 39.37007874;
constexpr double kL2 = 3.280839895;

INSTANTIATE_TEST_SUITE_P(
    Codes, CompoundCode,
    ::testing::Values(CompoundCase{"F/L2^3", "lbs/ft^3", "kN/m^3", kF / (kL2 * kL2 * kL2)},
                      CompoundCase{"F-L^2", "lbs-in^2", "kN-m^2", kF* kL* kL},
                      CompoundCase{"F/L", "lbs/in", "kN/m", kF / kL},
                      CompoundCase{"F-L/RAD.", "lbs-in/RAD.", "kN-m/RAD.", kF* kL},
                      CompoundCase{"L1^2", "in^2", "mm^2", 0.03937007874 * 0.03937007874},
                      CompoundCase{"F1-L2", "kips-ft", "kN-m", 0.2248089237 * kL2},
                      CompoundCase{"DEG.", "DEG.", "DEG.", 1.0},
                      CompoundCase{"SEE NOTES", "SEE NOTES", "SEE NOTES", 1.0},
                      CompoundCase{"", "", "", 1.0}));

TEST(UnitConversion, UnitWeightAndAreaCases) {
  // 120 lb/ft^3 = 120 * 4.4482216 N / 0.0283168 m^3 = 18.850 kN/m^3.
  const double to_si = static_cast<double>(ConversionFactor("F/L2^3", 1, 2));
  EXPECT_NEAR(120 * to_si, 120 * 4.4482216152605e-3 / std::pow(0.3048, 3), 1e-5);
  EXPECT_NEAR(120 * to_si, 18.85, 0.005);
  // 1 in^2 = 25.4^2 mm^2.
  EXPECT_NEAR(static_cast<double>(ConversionFactor("L1^2", 1, 2)), 645.16, 1e-6);
  // And back again.
  EXPECT_NEAR(static_cast<double>(ConversionFactor("L1^2", 1, 2) * ConversionFactor("L1^2", 2, 1)),
              1.0, 1e-15);
}

TEST(UnitConversion, SymbolicSystemConvertsNothing) {
  for (auto [from, to] : {std::pair{1, 3}, {3, 1}, {2, 3}, {3, 2}, {1, 1}, {2, 2}}) {
    EXPECT_EQ(ConversionFactor("F/L2^3", from, to), 1) << from << "->" << to;
  }
}

}  // namespace
}  // namespace korvex::tables
