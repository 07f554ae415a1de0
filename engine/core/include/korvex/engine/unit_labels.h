#pragma once
// Unit labels of the report headings, one set per unit system.
#include <string>

namespace korvex::engine {

struct UnitLabels {
  std::string L3;  // length, 3 columns: " IN", "  M", "  L"
  std::string F4;  // force, 4 columns: " LBS", "  KN", "   F"
  std::string L2;  // length, 2 columns: "IN", " M", " L"
  std::string F3;  // force, 3 columns: "LBS", " KN", "  F"

  // code > 0: English; code < 0: SI; 0: the symbolic F and L.
  static UnitLabels for_code(int code);
  // The code the run sequence passes for a unit system (1 -> +1, 2 -> -1, else 0).
  static int code_of_system(int unit_system) {
    return unit_system == 1 ? 1 : (unit_system == 2 ? -1 : 0);
  }
};

}  // namespace korvex::engine
