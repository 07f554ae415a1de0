#include "korvex/numeric/data_edit_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "korvex/numeric/edit_unit_label.h"
#include "korvex/numeric/evaluator.h"
#include "korvex/numeric/number_text.h"
#include "korvex/numeric/numeric_error.h"

namespace korvex::numeric {
namespace {

constexpr long double kIntMin = -2147483648.0L;
constexpr long double kIntMax = 2147483647.0L;

}  // namespace

long double DataEditRules::GetNumber() const {
  return Evaluate(text_);
}

bool DataEditRules::TryCurrentValue(long double& x) const {
  try {
    x = GetNumber();
    return true;
  } catch (const NumericError&) {
    return false;
  }
}

void DataEditRules::SetNumber(long double x) {
  if (!loading_) {
    if (x < min_) x = min_;
    if (x > max_) x = max_;
  }
  text_ = NumberText(x);
}

std::string DataEditRules::NumberText(long double x) const {
  if (hex_) {
    const long double r = std::nearbyint(x);
    // Beyond the 64-bit range there are no hexadecimal digits to show.
    if (r >= -9223372036854775807.0L - 1 && r < 9223372036854775808.0L) {
      char buf[24];
      std::snprintf(buf, sizeof buf, "$%04llX",
                    static_cast<unsigned long long>(static_cast<std::int64_t>(r)));
      return buf;
    }
  }
  return FormatGeneral(x, kEntryDigits);
}

ExitCheckResult DataEditRules::ExitCheck() {
  valid_ = false;
  long double x = 0;
  try {
    x = GetNumber();
  } catch (const EntryError& e) {
    return {false, integer_only_ ? "Entry must be a valid integer." : e.what()};
  }
  if (integer_only_ && x != std::trunc(x)) return {false, "Entry must be an integer."};
  if (x < min_) {
    SetNumber(min_);
    return {false, "Entry must be greater than or equal to " + NumberText(min_)};
  }
  if (!(x <= max_)) {
    SetNumber(max_);
    return {false, "Entry must be less than or equal to " + NumberText(max_)};
  }
  text_ = NumberText(x);
  valid_ = true;
  return {true, {}};
}

bool DataEditRules::IsValid() {
  ExitCheck();
  return valid_;
}

void DataEditRules::SetMaxVal(long double x) {
  if (loading_) {
    max_ = x;
    return;
  }
  if (x < min_) x = min_;
  if (integer_only_) x = std::clamp(x, kIntMin, kIntMax);
  max_ = x;
  long double current = 0;
  if (TryCurrentValue(current) && current > x) SetNumber(x);
}

void DataEditRules::SetMinVal(long double x) {
  if (loading_) {
    min_ = x;
    return;
  }
  if (x > max_) x = max_;
  if (integer_only_) x = std::clamp(x, kIntMin, kIntMax);
  min_ = x;
  long double current = 0;
  if (TryCurrentValue(current) && x > current) SetNumber(x);
}

void DataEditRules::SetIntegerOnly(bool on) {
  integer_only_ = on;
  if (on) {
    SetMaxVal(max_);
    SetMinVal(min_);
  }
}

void DataEditRules::SetUnits(int units) {
  units_ = std::clamp(units, 1, 3);
}

std::string DataEditRules::LabelText() const {
  if (units_string_.empty()) return caption_;
  return caption_ + " (" + EditUnitLabel(units_string_, units_) + ")";
}

bool DataEditRules::ExtendsValue(char key) noexcept {
  return std::string_view("+-/*^=%!").find(key) != std::string_view::npos;
}

}  // namespace korvex::numeric
