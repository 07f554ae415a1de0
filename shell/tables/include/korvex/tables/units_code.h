#pragma once
// Units codes of real table columns.
//
// A code such as "L2", "F/L2^3", "F-L^2" or "DEG." is built from force-like
// tokens F (F0), F1, F2, F4, F5, F6 and length-like tokens L (L0), L1, L2, L3,
// each optionally raised by "^" and one digit, joined by "-" and one "/".
// Every token has a label per unit system (1 English, 2 SI, 3 symbolic) and a
// factor: its English amount per SI unit (lbs per kN, ft per m, ...).
#include <string>
#include <string_view>

namespace korvex::tables {

// The code with every token replaced by its label in `system`, e.g.
// "F/L2^3" reads "lbs/ft^3" (1), "kN/m^3" (2) or "F/L^3" (3).
std::string UnitsLabel(std::string_view code, int system);

// English amount per SI amount of the code; 1 for codes without tokens.
long double UnitsFactor(std::string_view code);

// Multiplier that converts a value of the code from system `from` to `to`:
// the factor from SI to English, its reciprocal the other way, 1 otherwise.
long double ConversionFactor(std::string_view code, int from, int to);

}  // namespace korvex::tables
