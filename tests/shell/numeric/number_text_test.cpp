#include "korvex/numeric/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvex::numeric {
namespace {

struct FormatCase {
  long double value;
  int digits;
  const char* text;
};

class GeneralFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GeneralFormat, Text) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatGeneral(c.value, c.digits), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, GeneralFormat,
    ::testing::Values(FormatCase{0, 8, "0"}, FormatCase{-0.0L, 8, "0"}, FormatCase{1, 8, "1"},
                      FormatCase{-2.5L, 8, "-2.5"}, FormatCase{0.1L, 8, "0.1"},
                      FormatCase{1.0L / 3, 8, "0.33333333"}, FormatCase{2.0L / 3, 8, "0.66666667"},
                      FormatCase{12345678, 8, "12345678"}, FormatCase{123456789, 8, "1.2345679E8"},
                      FormatCase{99999999.5L, 8, "1E8"}, FormatCase{1e20L, 8, "1E20"},
                      FormatCase{0.00001L, 8, "0.00001"}, FormatCase{0.000001L, 8, "1E-6"},
                      FormatCase{-1.5e-7L, 8, "-1.5E-7"}, FormatCase{18.848799L, 8, "18.848799"},
                      FormatCase{645.16L, 8, "645.16"}));

INSTANTIATE_TEST_SUITE_P(
    Entries, GeneralFormat,
    ::testing::Values(FormatCase{0.1L, 18, "0.1"}, FormatCase{1.0L / 3, 18, "0.333333333333333333"},
                      FormatCase{123456789012345678.0L, 18, "123456789012345678"},
                      FormatCase{1e18L, 18, "1E18"}, FormatCase{-6, 18, "-6"}));

TEST(GeneralFormat, NonFinite) {
  EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::infinity(), 8), "INF");
  EXPECT_EQ(FormatGeneral(-std::numeric_limits<long double>::infinity(), 8), "-INF");
  EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::quiet_NaN(), 8), "NAN");
}

TEST(ParseReal, AcceptsPlainDecimalsOnly) {
  long double v = 0;
  EXPECT_EQ(ParseReal("1.5e-3", v), RealParse::kOk);
  EXPECT_EQ(v, 1.5e-3L);
  EXPECT_EQ(ParseReal("-.5", v), RealParse::kOk);
  EXPECT_EQ(v, -0.5L);
  EXPECT_EQ(ParseReal("+2", v), RealParse::kInvalid);
  EXPECT_EQ(ParseReal("+2", v, true), RealParse::kOk);
  EXPECT_EQ(v, 2);
  for (const char* bad : {"", "-", "1e", "1.2.3", "inf", "NaN", "0x10", "1,5", " 1", "++2"}) {
    EXPECT_EQ(ParseReal(bad, v, true), RealParse::kInvalid) << bad;
  }
  EXPECT_EQ(ParseReal("1e99999", v), RealParse::kOverflow);
  EXPECT_EQ(ParseReal("1e-99999", v), RealParse::kOk);
  EXPECT_EQ(v, 0);
}

}  // namespace
}  // namespace korvex::numeric
