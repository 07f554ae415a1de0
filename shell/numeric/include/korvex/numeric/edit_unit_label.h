#pragma once
// Unit label of a numeric edit field's units code.
//
// In systems 1 (English) and 2 (SI) one force code and one length code of the
// units code are replaced, every occurrence of each: the first of F6 F5 F4 F2
// F1 that occurs (else F), and the first of L2 L1 L3 that occurs (else L). So
// "F/L2^2" reads "lbs/ft^2" or "kN/m^2". In system 3 the code is shown as it
// is. (Table columns label their codes by their own rule, see units_code.h.)
#include <string>
#include <string_view>

namespace korvex::numeric {

std::string EditUnitLabel(std::string_view code, int units);

}  // namespace korvex::numeric
