#include "korvex/numeric/evaluator.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "korvex/numeric/number_text.h"
#include "korvex/numeric/numeric_error.h"

namespace korvex::numeric {
namespace {

using Real = long double;

[[noreturn]] void Fail(std::string_view detail) {
  throw EntryError(std::string(kEvaluationFailed) + std::string(detail));
}

constexpr std::string_view kInvalidCharacters = "invalid character(s) in expression";

// A finite result or a MathError naming the failure.
Real Checked(Real x) {
  if (std::isnan(x)) throw MathError("Invalid floating point operation");
  if (std::isinf(x)) throw MathError("Floating point overflow");
  return x;
}

[[noreturn]] void DivisionByZero() {
  throw MathError("Floating point division by zero");
}

std::string Text(Real x) {
  return FormatGeneral(x, kEntryDigits);
}

enum class Fn {
  kArctanh,
  kArctan,
  kCotan,
  kTanh,
  kTan,
  kArccosh,
  kArccos,
  kCosh,
  kCos,
  kSec,
  kArcsinh,
  kArcsin,
  kSinh,
  kSin,
  kCsc,
  kAbs,
  kFrac,
  kInt,
  kLn,
  kRound,
  kCeil,
  kFloor,
  kLog,
  kSqrt
};

struct Function {
  std::string_view name;
  Fn fn;
};

// Tested in this order: a longer name before the shorter one it starts with.
constexpr std::array<Function, 24> kFunctions{{
    {"arctanh", Fn::kArctanh}, {"arctan", Fn::kArctan},   {"cotan", Fn::kCotan},
    {"tanh", Fn::kTanh},       {"tan", Fn::kTan},         {"arccosh", Fn::kArccosh},
    {"arccos", Fn::kArccos},   {"cosh", Fn::kCosh},       {"cos", Fn::kCos},
    {"sec", Fn::kSec},         {"arcsinh", Fn::kArcsinh}, {"arcsin", Fn::kArcsin},
    {"sinh", Fn::kSinh},       {"sin", Fn::kSin},         {"csc", Fn::kCsc},
    {"abs", Fn::kAbs},         {"frac", Fn::kFrac},       {"int", Fn::kInt},
    {"ln", Fn::kLn},           {"round", Fn::kRound},     {"ceil", Fn::kCeil},
    {"floor", Fn::kFloor},     {"log", Fn::kLog},         {"sqrt", Fn::kSqrt},
}};

bool IsFunctionName(std::string_view s) {
  if (s.empty() || s.size() > 7) return false;
  std::string lower(s);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const auto& f : kFunctions) {
    if (f.name == lower) return true;
  }
  return false;
}

Real Reciprocal(Real d) {
  if (d == 0) DivisionByZero();
  return 1 / d;
}

Real Apply(Fn fn, Real x) {
  switch (fn) {
    case Fn::kArctanh:
      return std::atanh(x);
    case Fn::kArctan:
      return std::atan(x);
    case Fn::kCotan:
      return Reciprocal(std::tan(x));
    case Fn::kTanh:
      return std::tanh(x);
    case Fn::kTan:
      return std::tan(x);
    case Fn::kArccosh:
      return std::acosh(x);
    case Fn::kArccos:
      return std::acos(x);
    case Fn::kCosh:
      return std::cosh(x);
    case Fn::kCos:
      return std::cos(x);
    case Fn::kSec:
      return Reciprocal(std::cos(x));
    case Fn::kArcsinh:
      return std::asinh(x);
    case Fn::kArcsin:
      return std::asin(x);
    case Fn::kSinh:
      return std::sinh(x);
    case Fn::kSin:
      return std::sin(x);
    case Fn::kCsc:
      return Reciprocal(std::sin(x));
    case Fn::kAbs:
      return std::fabs(x);
    case Fn::kFrac:
      return x - std::trunc(x);
    case Fn::kInt:
      return std::trunc(x);
    case Fn::kLn:
      if (x == 0) DivisionByZero();
      return std::log(x);
    case Fn::kRound:
      return std::nearbyint(x);  // default rounding: halves to even
    case Fn::kCeil:
      return std::ceil(x);
    case Fn::kFloor:
      return std::floor(x);
    case Fn::kLog:
      if (x == 0) DivisionByZero();
      return std::log10(x);
    case Fn::kSqrt:
      return std::sqrt(x);
  }
  return x;
}

Real Factorial(Real x) {
  if (x != std::trunc(x)) Fail("! (factoral) applicable to integers only");
  Real product = 1;
  // Stops at overflow, so a huge argument cannot run for long.
  for (Real k = std::fabs(x); k > 1; k -= 1) {
    product *= k;
    if (std::isinf(product)) throw MathError("Floating point overflow");
  }
  return x < 0 ? -product : product;
}

Real Hexadecimal(std::string_view digits) {
  if (digits.empty() || digits.size() > 16) Fail("invalid use of $ (hex function)");
  std::uint64_t v = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else {
      Fail("invalid use of $ (hex function)");
    }
    v = v * 16 + static_cast<std::uint64_t>(d);
  }
  // Sixteen digits wrap into the signed range, so "$FFFFFFFFFFFFFFFF" is -1
  // and the edit field's hexadecimal display of negative values reads back.
  return static_cast<Real>(static_cast<std::int64_t>(v));
}

// Operands are read as a chain of function prefixes and factorial marks
// around a constant, a hexadecimal integer or a number ("sin3!" is sin(3!));
// the chain is applied innermost first. Iterative, so a long chain cannot
// exhaust the stack.
Real EvaluateOperand(std::string_view operand) {
  std::string s;
  s.reserve(operand.size());
  for (std::size_t i = 0; i < operand.size(); ++i) {
    if (operand[i] == '-' && i + 1 < operand.size() && operand[i + 1] == '-') {
      ++i;  // a double sign cancels
      continue;
    }
    s += static_cast<char>(std::tolower(static_cast<unsigned char>(operand[i])));
  }
  std::string_view view(s);
  std::vector<const Function*> chain;  // nullptr marks a factorial
  Real v = 0;
  for (;;) {
    if (view == "pi" || view == "-pi") {
      v = view.front() == '-' ? -std::numbers::pi_v<Real> : std::numbers::pi_v<Real>;
      break;
    }
    if (view == "e" || view == "-e") {
      v = view.front() == '-' ? -std::numbers::e_v<Real> : std::numbers::e_v<Real>;
      break;
    }
    const Function* fn = nullptr;
    for (const auto& f : kFunctions) {
      if (view.starts_with(f.name)) {
        fn = &f;
        break;
      }
    }
    if (fn != nullptr) {
      chain.push_back(fn);
      view.remove_prefix(fn->name.size());
      continue;
    }
    if (view.ends_with('!')) {
      chain.push_back(nullptr);
      view.remove_suffix(1);
      continue;
    }
    if (view.starts_with('$')) {
      v = Hexadecimal(view.substr(1));
      break;
    }
    const RealParse parsed = ParseReal(view, v);
    if (parsed == RealParse::kOverflow) throw MathError("Floating point overflow");
    if (parsed == RealParse::kInvalid) Fail(kInvalidCharacters);
    break;
  }
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    v = *it == nullptr ? Factorial(v) : Checked(Apply((*it)->fn, v));
  }
  return v;
}

bool IsOperator(char c) {
  switch (c) {
    case '^':
    case '*':
    case '/':
    case '%':
    case '+':
    case '-':
    case '=':
    case '|':
    case '&':
      return true;
    default:
      return false;
  }
}

std::int64_t TruncatedInteger(Real x) {
  const Real t = std::trunc(x);
  if (!(t >= -9223372036854775807.0L - 1 && t < 9223372036854775808.0L)) {
    throw MathError("Invalid floating point operation");
  }
  return static_cast<std::int64_t>(t);
}

Real Operate(char op, Real a, Real b) {
  switch (op) {
    case '^':
      return Checked(std::pow(a, b));
    case '*':
      return Checked(a * b);
    case '/':
      if (b == 0) {
        if (a == 0) throw MathError("Invalid floating point operation");
        DivisionByZero();
      }
      return Checked(a / b);
    case '%': {
      const std::int64_t ia = TruncatedInteger(a);
      const std::int64_t ib = TruncatedInteger(b);
      if (ib == 0) throw MathError("Division by zero");
      if (ib == -1) return 0;  // avoids the overflow of INT64_MIN % -1
      return static_cast<Real>(ia % ib);
    }
    case '&':
      return (a != 0 && b != 0) ? 1 : 0;
    case '+':
      return Checked(a + b);
    case '-':
      return Checked(a - b);
    case '|':
      return (a != 0 || b != 0) ? 1 : 0;
    case '=':
      return a == b ? 1 : 0;
    default:
      return 0;
  }
}

Real EvaluateText(std::string text);

// Replaces each innermost parenthesised group by the text of its value.
std::string ResolveParentheses(std::string text) {
  for (std::size_t close = text.find(')'); close != std::string::npos; close = text.find(')')) {
    const std::size_t open = close == 0 ? std::string::npos : text.rfind('(', close - 1);
    if (open == std::string::npos) Fail("() (parentheses) do not match");
    const Real inner = EvaluateText(text.substr(open + 1, close - open - 1));
    text.replace(open, close - open + 1, Text(inner));
  }
  return text;
}

Real EvaluateText(std::string text) {
  std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
  if (text.empty()) Fail("entry cannot be blank");
  text = ResolveParentheses(std::move(text));

  // Split into operands and operators. A minus is a sign when it opens an
  // operand: at the start, after another operator or sign, after a function
  // name ("sin-1", "2*sin-1") or inside a number's exponent ("1e-5").
  std::vector<std::string> operands;
  std::vector<char> operators;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    bool sign = false;
    if (c == '-') {
      const std::size_t n = current.size();
      const bool exponent =
          n >= 2 && (current[n - 1] == 'e' || current[n - 1] == 'E') &&
          (std::isdigit(static_cast<unsigned char>(current[n - 2])) || current[n - 2] == '.');
      sign = n == 0 || current[n - 1] == '-' || exponent || IsFunctionName(current);
    }
    if (IsOperator(c) && !sign) {
      operands.push_back(std::move(current));
      current.clear();
      operators.push_back(c);
    } else {
      current += c;
    }
  }
  // A trailing operator leaves no operand behind it ("2+" is one short).
  if (!current.empty()) operands.push_back(std::move(current));
  if (operands.size() != operators.size() + 1) Fail("invalid expression");

  static constexpr std::array<std::string_view, 4> kLevels{"^", "*/%&", "+-|", "="};
  for (std::string_view level : kLevels) {
    std::vector<std::string> kept_operands{std::move(operands.front())};
    std::vector<char> kept_operators;
    for (std::size_t i = 0; i < operators.size(); ++i) {
      if (level.find(operators[i]) == std::string_view::npos) {
        kept_operators.push_back(operators[i]);
        kept_operands.push_back(std::move(operands[i + 1]));
        continue;
      }
      kept_operands.back() = Text(Operate(operators[i], EvaluateOperand(kept_operands.back()),
                                          EvaluateOperand(operands[i + 1])));
    }
    operands = std::move(kept_operands);
    operators = std::move(kept_operators);
  }
  return EvaluateOperand(operands.front());
}

}  // namespace

long double Evaluate(std::string_view text) {
  if (text.empty()) Fail("entry cannot be blank");
  return EvaluateText(std::string(text));
}

}  // namespace korvex::numeric
