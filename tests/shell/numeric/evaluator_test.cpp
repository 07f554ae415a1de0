#include "korvex/numeric/evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "korvex/numeric/numeric_error.h"

namespace korvex::numeric {
namespace {

struct ValueCase {
  const char* text;
  long double expected;
};

class EvaluatesTo : public ::testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatesTo, Value) {
  const ValueCase& c = GetParam();
  const long double got = Evaluate(c.text);
  EXPECT_NEAR(static_cast<double>(got), static_cast<double>(c.expected),
              1e-12 * std::max(1.0, std::fabs(static_cast<double>(c.expected))))
      << c.text;
}

// Expected values are worked by hand or with the C library, not by the
// evaluator.
INSTANTIATE_TEST_SUITE_P(
    Precedence, EvaluatesTo,
    ::testing::Values(ValueCase{"2*3+4", 10}, ValueCase{"2+3*4", 14}, ValueCase{"2^3^2", 64},
                      ValueCase{"10-4-3", 3}, ValueCase{"7%3", 1}, ValueCase{"-7%3", -1},
                      ValueCase{"(2+3)*4", 20}, ValueCase{"((1+2)*(3+4))-1", 20},
                      ValueCase{"12*2.5", 30}, ValueCase{"8/4/2", 1}, ValueCase{"2+3=5", 1},
                      ValueCase{"1+1=3", 0}, ValueCase{" 1 +\t2 ", 3}));

INSTANTIATE_TEST_SUITE_P(Signs, EvaluatesTo,
                         ::testing::Values(ValueCase{"2*-3", -6}, ValueCase{"-2^2", 4},
                                           ValueCase{"1e-5", 1e-5L}, ValueCase{"2.5E-3*2", 5e-3L},
                                           ValueCase{"5--3", 8}, ValueCase{"2-(0-3)", 5},
                                           ValueCase{"---3", -3}, ValueCase{"2^-1", 0.5},
                                           ValueCase{"e-1", std::numbers::e_v<long double> - 1},
                                           ValueCase{"pi-1", std::numbers::pi_v<long double> - 1},
                                           ValueCase{"-pi", -std::numbers::pi_v<long double>}));

INSTANTIATE_TEST_SUITE_P(Logic, EvaluatesTo,
                         ::testing::Values(ValueCase{"1=1", 1}, ValueCase{"1|0", 1},
                                           ValueCase{"0|0", 0}, ValueCase{"1&0", 0},
                                           ValueCase{"0&1", 0}, ValueCase{"2&3", 1},
                                           ValueCase{"1|0&0", 1}));

INSTANTIATE_TEST_SUITE_P(
    Functions, EvaluatesTo,
    ::testing::Values(
        ValueCase{"sqrt(2)/2", std::sqrt(2.0L) / 2}, ValueCase{"sin30", std::sin(30.0L)},
        ValueCase{"sin(30)", std::sin(30.0L)}, ValueCase{"SIN(0.5)", std::sin(0.5L)},
        ValueCase{"sin-1", std::sin(-1.0L)}, ValueCase{"0-sin1", -std::sin(1.0L)},
        ValueCase{"2*sin(0-1)", 2 * std::sin(-1.0L)}, ValueCase{"arctanh0.5", std::atanh(0.5L)},
        ValueCase{"arctan1", std::atan(1.0L)}, ValueCase{"cotan1", 1 / std::tan(1.0L)},
        ValueCase{"tanh1", std::tanh(1.0L)}, ValueCase{"tan1", std::tan(1.0L)},
        ValueCase{"arccosh2", std::acosh(2.0L)}, ValueCase{"arccos0.5", std::acos(0.5L)},
        ValueCase{"cosh1", std::cosh(1.0L)}, ValueCase{"cos1", std::cos(1.0L)},
        ValueCase{"sec1", 1 / std::cos(1.0L)}, ValueCase{"arcsinh1", std::asinh(1.0L)},
        ValueCase{"arcsin0.5", std::asin(0.5L)}, ValueCase{"sinh1", std::sinh(1.0L)},
        ValueCase{"csc1", 1 / std::sin(1.0L)}, ValueCase{"abs-4", 4}, ValueCase{"frac-2.75", -0.75},
        ValueCase{"int-2.75", -2}, ValueCase{"ln(e)", 1}, ValueCase{"round2.5", 2},
        ValueCase{"round3.5", 4}, ValueCase{"ceil1.2", 2}, ValueCase{"floor-1.2", -2},
        ValueCase{"log1000", 3}, ValueCase{"sqrt16", 4}, ValueCase{"sinpi", 0},
        ValueCase{"sqrtsqrt16", 2}, ValueCase{"3!", 6}, ValueCase{"sin3!", std::sin(6.0L)}));

INSTANTIATE_TEST_SUITE_P(FactorialAndHex, EvaluatesTo,
                         ::testing::Values(ValueCase{"5!", 120}, ValueCase{"0!", 1},
                                           ValueCase{"(0-3)!", -6}, ValueCase{"3!!", 720},
                                           ValueCase{"2*3!", 12}, ValueCase{"$FF", 255},
                                           ValueCase{"$ff+1", 256}, ValueCase{"$00FF", 255},
                                           ValueCase{"$FFFFFFFFFFFFFFFF", -1}));

struct ErrorCase {
  const char* text;
  const char* detail;
};

class FailsWith : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(FailsWith, Message) {
  const ErrorCase& c = GetParam();
  try {
    Evaluate(c.text);
    FAIL() << "no error for " << c.text;
  } catch (const EntryError& e) {
    EXPECT_EQ(std::string(e.what()), std::string("Entry could not be evaluated:\n") + c.detail)
        << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FailsWith,
    ::testing::Values(ErrorCase{"", "entry cannot be blank"},
                      ErrorCase{"  \t", "entry cannot be blank"},
                      ErrorCase{"()", "entry cannot be blank"},
                      ErrorCase{"2+3)", "() (parentheses) do not match"},
                      ErrorCase{")(", "() (parentheses) do not match"},
                      ErrorCase{"(2+3", "invalid character(s) in expression"},
                      ErrorCase{"2+", "invalid expression"},
                      ErrorCase{"*2", "invalid character(s) in expression"},
                      ErrorCase{"2++3", "invalid character(s) in expression"},
                      ErrorCase{"abc", "invalid character(s) in expression"},
                      ErrorCase{"1,5", "invalid character(s) in expression"},
                      ErrorCase{"inf", "invalid character(s) in expression"},
                      ErrorCase{"nan", "invalid character(s) in expression"},
                      ErrorCase{"sin", "invalid character(s) in expression"},
                      ErrorCase{"-sin1", "invalid character(s) in expression"},
                      ErrorCase{"2.5!", "! (factoral) applicable to integers only"},
                      ErrorCase{"$G", "invalid use of $ (hex function)"},
                      ErrorCase{"$", "invalid use of $ (hex function)"},
                      ErrorCase{"$11111111111111111", "invalid use of $ (hex function)"}));

class MathFailure : public ::testing::TestWithParam<const char*> {};

TEST_P(MathFailure, RaisesMathError) {
  EXPECT_THROW(Evaluate(GetParam()), MathError);
}

INSTANTIATE_TEST_SUITE_P(Floating, MathFailure,
                         ::testing::Values("sqrt-1", "1/0", "0/0", "ln0", "log0", "5%0", "1e99999",
                                           "10^99999", "100000!", "1e30%2", "arcsin2"));

TEST(EvaluatorHostile, LongAndBinaryInputFailCleanly) {
  std::string sum = "1";
  for (int i = 0; i < 20000; ++i) sum += "+1";
  EXPECT_EQ(Evaluate(sum), 20001);

  std::string nested(5000, '(');
  nested += "2";
  nested += std::string(5000, ')');
  EXPECT_EQ(Evaluate(nested), 2);

  std::string chain;
  for (int i = 0; i < 20000; ++i) chain += "abs";
  EXPECT_EQ(Evaluate(chain + "3"), 3);

  const std::string binary("\x01\xff\x80\x00\x7f", 5);
  EXPECT_THROW(Evaluate(binary), EntryError);
  EXPECT_EQ(Evaluate("1e-99999"), 0);
}

}  // namespace
}  // namespace korvex::numeric
