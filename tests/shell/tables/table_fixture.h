#pragma once
// Small table definitions for the table tests.
#include <string_view>

#include "korvex/tables/definition_file.h"
#include "korvex/tables/table_registry.h"

namespace korvex::tables::testing {

struct Tables {
  TableRegistry plain;
  TableRegistry chart;
  TableSet set;

  explicit Tables(std::string_view definitions)
      : set(ReadDefinitions(definitions, StandardTableClasses(plain, chart))) {}
  TGridTable& operator[](std::string_view name) const { return *set.Find(name); }
};

// A soil-layer table with choice-dependent parameter sub-tables.
inline constexpr std::string_view kLayers = R"(
object Layers: TGridTable
  Identifier = 19
  Caption = 'Soil Layers'
  MaxRows = 10
  Col = {
    3
    0 ('Soil Type') True False ('Clay' 'Sand' 'Unknown')
    2 ('Depth') True False False 'FLOATCOLUMN2' 'L2' 0.0
    3 ('Parameters') True False 'FLEXCOLUMN2' (18 17 -1)
  }
end
object Clay: TGridTable
  Identifier = 18
  Caption = 'Clay'
  MaxRows = 2
  MinRows = 2
  Col = {
    2
    2 ('Unit Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 110.0
    2 ('Cohesion') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
  }
end
object Sand: TGridTable
  Identifier = 17
  Caption = 'Sand'
  MaxRows = 2
  MinRows = 2
  Col = {
    1
    2 ('Friction Angle') True False False 'FLOATCOLUMN2' 'DEG.' 30.0
  }
end
)";

}  // namespace korvex::tables::testing
