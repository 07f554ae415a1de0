#pragma once
// The value rules of the dialogs' numeric edit field (TDataEdit), without the
// widget: the shown text, limits, integer-only and hexadecimal modes, the
// caption label and the exit check. The widget owns one of these, forwards
// typing to SetText, shows the message of an exit check in an information box
// and takes the focus back when the check fails.
#include <limits>
#include <string>
#include <string_view>

namespace korvex::numeric {

// Outcome of the exit check: `message` is empty when the text was accepted.
struct ExitCheckResult {
  bool valid = false;
  std::string message;
};

class DataEditRules {
 public:
  DataEditRules() = default;

  // The text as typed or shown; starts as "0".
  const std::string& Text() const noexcept { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }

  // Evaluates the current text (Evaluate's EntryError or MathError escape).
  long double GetNumber() const;
  // Clamps x to [MinVal, MaxVal] and shows its number text.
  void SetNumber(long double x);
  // General format with 18 digits, or with Hex set "$" and at least four
  // upper-case hexadecimal digits of x rounded to an integer.
  std::string NumberText(long double x) const;

  // Runs when the field loses focus or Enter is pressed: replaces an accepted
  // expression by its value, or clamps to a limit and returns its message.
  // A MathError of the expression escapes.
  ExitCheckResult ExitCheck();
  // The dialogs' validity query: runs the exit check and returns Valid.
  bool IsValid();
  bool Valid() const noexcept { return valid_; }

  // Inclusive limits; the defaults are the extremes of the finite range.
  long double MinVal() const noexcept { return min_; }
  long double MaxVal() const noexcept { return max_; }
  void SetMinVal(long double x);
  void SetMaxVal(long double x);
  bool IntegerOnly() const noexcept { return integer_only_; }
  void SetIntegerOnly(bool on);
  bool Hex() const noexcept { return hex_; }
  void SetHex(bool on) { hex_ = on; }

  // Unit system of the label, 1 English, 2 SI, 3 other (clamped).
  int Units() const noexcept { return units_; }
  void SetUnits(int units);
  const std::string& UnitsString() const noexcept { return units_string_; }
  void SetUnitsString(std::string code) { units_string_ = std::move(code); }
  const std::string& Caption() const noexcept { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  // Caption, then " (" unit label ")" when UnitsString is not empty.
  std::string LabelText() const;

  // While a form definition loads the field, the limit setters store values
  // without clamping.
  void SetLoading(bool loading) noexcept { loading_ = loading; }

  // True for the operator keys that, typed while the whole text is selected,
  // first move the caret to the end so they extend the shown value.
  static bool ExtendsValue(char key) noexcept;

 private:
  // The current value, or false when the text does not evaluate.
  bool TryCurrentValue(long double& x) const;

  std::string text_ = "0";
  std::string caption_;
  std::string units_string_;
  long double min_ = std::numeric_limits<long double>::lowest();
  long double max_ = std::numeric_limits<long double>::max();
  int units_ = 1;
  bool integer_only_ = false;
  bool hex_ = false;
  bool valid_ = false;
  bool loading_ = false;
};

}  // namespace korvex::numeric
