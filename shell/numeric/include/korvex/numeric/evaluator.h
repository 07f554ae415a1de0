#pragma once
// The expression evaluator behind every number typed into the shell.
//
// A text such as "12*2.5", "sqrt(2)/2", "3!", "$FF" or "2*-3" is reduced to
// one real. Operators by precedence, each level left to right:
//   ^            power (so 2^3^2 is 64)
//   * / % &      product, quotient, 64-bit integer remainder, logical and
//   + - |        sum, difference, logical or
//   =            equality (1 or 0)
// Operands are numbers ("1e-5"), the constants pi and e, hexadecimal
// integers ("$FF"), factorials ("5!") and the functions arctanh arctan cotan
// tanh tan arccosh arccos cosh cos sec arcsinh arcsin sinh sin csc abs frac
// int ln round ceil floor log sqrt applied to the rest of the operand
// ("sin30", "sin(30)"; radians). Parentheses nest. Blanks and tabs are
// ignored. Intermediate results are carried as 18-digit number texts.
//
// Errors: EntryError with "Entry could not be evaluated:", a line break and
// the detail; MathError for floating-point failures.
#include <string_view>

namespace korvex::numeric {

long double Evaluate(std::string_view text);

// The message prefix of every EntryError raised by Evaluate.
inline constexpr std::string_view kEvaluationFailed = "Entry could not be evaluated:\n";

}  // namespace korvex::numeric
