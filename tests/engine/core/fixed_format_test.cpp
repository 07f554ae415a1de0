#include "korvex/engine/fixed_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace fmt = korvex::engine::fmt;

struct RealCase {
  char kind;  // 'F', 'E', 'S' (1P,E), 'D'
  int w;
  int d;
  double v;
  const char* expected;
};

class RealField : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealField, RendersExactly) {
  const auto& c = GetParam();
  std::string got;
  switch (c.kind) {
    case 'F': got = fmt::F(c.w, c.d, c.v); break;
    case 'E': got = fmt::E(c.w, c.d, c.v); break;
    case 'S': got = fmt::ES(c.w, c.d, c.v); break;
    default: got = fmt::D(c.w, c.d, c.v); break;
  }
  EXPECT_EQ(got, c.expected);
  EXPECT_EQ(got.size(), static_cast<std::size_t>(c.w));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RealField,
    ::testing::Values(
        RealCase{'F', 9, 3, 6.0, "    6.000"}, RealCase{'F', 9, 3, -12.3456, "  -12.346"},
        RealCase{'F', 9, 3, 100000.0, "*********"},  // an increment of 100000 overflows
        RealCase{'F', 9, 3, 99999.9994, "99999.999"}, RealCase{'F', 4, 3, 0.5, ".500"},
        RealCase{'F', 5, 3, -0.5, "-.500"}, RealCase{'F', 10, 2, 1234.565, "   1234.57"},
        RealCase{'E', 10, 3, 0.0, " 0.000E+00"}, RealCase{'E', 10, 3, 1234.5, " 0.123E+04"},
        RealCase{'E', 10, 3, -0.00098765, "-0.988E-03"}, RealCase{'E', 10, 3, 9.9996, " 0.100E+02"},
        RealCase{'E', 10, 3, 1.0E-7, " 0.100E-06"}, RealCase{'E', 9, 3, -1.5, "-.150E+01"},
        RealCase{'E', 12, 3, 1.0E120, "   0.100+121"}, RealCase{'E', 12, 3, 1.0E-150, "   0.100-149"},
        RealCase{'E', 8, 3, -1.5, "********"}, RealCase{'E', 13, 4, 3.14159, "   0.3142E+01"},
        RealCase{'S', 9, 3, 0.001, "1.000E-03"}, RealCase{'S', 9, 3, 0.0, "0.000E+00"},
        RealCase{'S', 10, 3, -25.0, "-2.500E+01"}, RealCase{'D', 15, 4, 0.25, "     0.2500D+00"},
        RealCase{'D', 9, 1, 12.0, "  0.1D+02"}));

TEST(FixedFormat, NonFiniteValuesStayInTheirField) {
  EXPECT_EQ(fmt::E(10, 3, std::numeric_limits<double>::quiet_NaN()), "       NaN");
  EXPECT_EQ(fmt::E(12, 3, -std::numeric_limits<double>::infinity()), "   -Infinity");
  EXPECT_EQ(fmt::F(5, 1, std::numeric_limits<double>::infinity()), "  Inf");
}

TEST(FixedFormat, IntegersAndText) {
  EXPECT_EQ(fmt::I(4, 20), "  20");
  EXPECT_EQ(fmt::I(3, -12), "-12");
  EXPECT_EQ(fmt::I(2, 100), "**");
  EXPECT_EQ(fmt::I(2, 2, 5), "05");
  EXPECT_EQ(fmt::I(4, 4, 2026), "2026");
  EXPECT_EQ(fmt::I(4, 3, -7), "-007");
  EXPECT_EQ(fmt::X(3), "   ");
  EXPECT_EQ(fmt::A(5, "ab"), "   ab");
  EXPECT_EQ(fmt::A(3, "abcdef"), "abc");
}

TEST(FixedFormat, ListDirectedValues) {
  EXPECT_EQ(fmt::list(0), " 0");
  EXPECT_EQ(fmt::list(1.5), " 1.500000000E+00");
  EXPECT_EQ(fmt::list_record(2, 42, 1), " 2 42 1");
  // Ten significant digits survive a round trip through text.
  EXPECT_DOUBLE_EQ(std::stod(fmt::list(0.1234567891)), 0.1234567891);
}
