#include "korvex/numeric/data_edit_rules.h"

#include <gtest/gtest.h>

#include "korvex/numeric/numeric_error.h"

namespace korvex::numeric {
namespace {

TEST(DataEditRules, StartsAtZeroAndReplacesExpressionByValue) {
  DataEditRules field;
  EXPECT_EQ(field.Text(), "0");
  field.SetText("12*2");
  const ExitCheckResult r = field.ExitCheck();
  EXPECT_TRUE(r.valid);
  EXPECT_TRUE(r.message.empty());
  EXPECT_EQ(field.Text(), "24");
  EXPECT_TRUE(field.Valid());
}

TEST(DataEditRules, IntegerFieldClampsToMaximumWithMessage) {
  DataEditRules field;
  field.SetIntegerOnly(true);
  field.SetMinVal(1);
  field.SetMaxVal(300);
  field.SetText("400");
  const ExitCheckResult r = field.ExitCheck();
  EXPECT_FALSE(r.valid);
  EXPECT_EQ(r.message, "Entry must be less than or equal to 300");
  EXPECT_EQ(field.Text(), "300");
  EXPECT_FALSE(field.Valid());
  EXPECT_TRUE(field.IsValid());  // the clamped value is accepted on the next check
}

TEST(DataEditRules, MinimumClampsWithMessage) {
  DataEditRules field;
  field.SetMinVal(0.5);
  field.SetText("0-2");
  EXPECT_EQ(field.ExitCheck().message, "Entry must be greater than or equal to 0.5");
  EXPECT_EQ(field.Text(), "0.5");
}

TEST(DataEditRules, IntegerOnlyMessages) {
  DataEditRules field;
  field.SetIntegerOnly(true);
  field.SetText("2.5");
  EXPECT_EQ(field.ExitCheck().message, "Entry must be an integer.");
  EXPECT_EQ(field.Text(), "2.5");
  field.SetText("2+");
  EXPECT_EQ(field.ExitCheck().message, "Entry must be a valid integer.");
}

TEST(DataEditRules, EvaluatorMessageWhenNotIntegerOnly) {
  DataEditRules field;
  field.SetText("$G");
  EXPECT_EQ(field.ExitCheck().message,
            "Entry could not be evaluated:\ninvalid use of $ (hex function)");
  field.SetText("sqrt-1");
  EXPECT_THROW(field.ExitCheck(), MathError);
}

TEST(DataEditRules, IntegerOnlyClampsLimitsToIntegerRange) {
  DataEditRules field;
  field.SetIntegerOnly(true);
  EXPECT_EQ(field.MaxVal(), 2147483647.0L);
  EXPECT_EQ(field.MinVal(), -2147483648.0L);
}

TEST(DataEditRules, LimitSettersKeepOrderAndClampValue) {
  DataEditRules field;
  field.SetNumber(50);
  field.SetMaxVal(10);
  EXPECT_EQ(field.Text(), "10");
  field.SetMinVal(20);  // above the maximum: the maximum is used
  EXPECT_EQ(field.MinVal(), 10);
  field.SetMaxVal(5);  // below the minimum: the minimum is used
  EXPECT_EQ(field.MaxVal(), 10);
  field.SetNumber(99);
  EXPECT_EQ(field.Text(), "10");
  field.SetText("2+");  // an unevaluable text does not stop a limit change
  EXPECT_NO_THROW(field.SetMaxVal(100));
  EXPECT_EQ(field.Text(), "2+");
}

TEST(DataEditRules, LoadingStoresLimitsUnclamped) {
  DataEditRules field;
  field.SetLoading(true);
  field.SetMaxVal(-5);
  field.SetMinVal(5);
  field.SetLoading(false);
  EXPECT_EQ(field.MaxVal(), -5);
  EXPECT_EQ(field.MinVal(), 5);
}

TEST(DataEditRules, HexDisplay) {
  DataEditRules field;
  field.SetHex(true);
  field.SetNumber(255);
  EXPECT_EQ(field.Text(), "$00FF");
  field.SetNumber(65535.6L);
  EXPECT_EQ(field.Text(), "$10000");
  EXPECT_EQ(field.GetNumber(), 65536);
  field.SetNumber(-1);
  EXPECT_EQ(field.Text(), "$FFFFFFFFFFFFFFFF");
  EXPECT_EQ(field.GetNumber(), -1);
  field.SetText("$1f+1");
  EXPECT_TRUE(field.IsValid());
  EXPECT_EQ(field.Text(), "$0020");
}

TEST(DataEditRules, NumberTextHasEighteenDigits) {
  DataEditRules field;
  field.SetText("1/3");
  field.ExitCheck();
  EXPECT_EQ(field.Text(), "0.333333333333333333");
}

struct LabelCase {
  int units;
  const char* code;
  const char* label;
};

class LabelText : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelText, CaptionWithUnits) {
  DataEditRules field;
  field.SetCaption("Free height");
  field.SetUnits(GetParam().units);
  field.SetUnitsString(GetParam().code);
  EXPECT_EQ(field.LabelText(), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Systems, LabelText,
                         ::testing::Values(LabelCase{1, "L2", "Free height (ft)"},
                                           LabelCase{2, "L2", "Free height (m)"},
                                           LabelCase{3, "L2", "Free height (L2)"},
                                           LabelCase{0, "F/L2^2", "Free height (lbs/ft^2)"},
                                           LabelCase{7, "F/L2^2", "Free height (F/L2^2)"},
                                           LabelCase{2, "", "Free height"}));

TEST(DataEditRules, OperatorKeysExtendTheValue) {
  for (char c : std::string("+-/*^=%!")) EXPECT_TRUE(DataEditRules::ExtendsValue(c)) << c;
  for (char c : std::string("0a.$( ")) EXPECT_FALSE(DataEditRules::ExtendsValue(c)) << c;
}

}  // namespace
}  // namespace korvex::numeric
