#include "korvex/tables/int_column.h"

#include <cmath>
#include <string>

#include "korvex/numeric/evaluator.h"
#include "korvex/numeric/numeric_error.h"
#include "korvex/tables/definition_reader.h"
#include "korvex/tables/definition_writer.h"

namespace korvex::tables {

std::unique_ptr<TColumn> TIntColumn::Read(DefinitionReader& reader, TGridTable&) {
  auto column = std::make_unique<TIntColumn>();
  column->ReadCommonDefinition(reader);
  column->default_ = reader.ReadInteger();
  column->min_ = reader.ReadInteger();
  column->max_ = reader.ReadInteger();
  return column;
}

void TIntColumn::WriteOwnDefinition(DefinitionWriter& writer) const {
  writer.WriteInteger(default_);
  writer.WriteInteger(min_);
  writer.WriteInteger(max_);
}

void TIntColumn::InsertRows(int at, int count) {
  InsertValues(at, count, default_);
}

void TIntColumn::SetText(int row, std::string_view text) {
  CheckRow(row);
  const long double x = numeric::Evaluate(text);
  if (WindowOpen()) {
    if (std::fabs(x - std::nearbyint(x)) > 1e-10L) {
      throw numeric::EntryError("Entry must be an integer.");
    }
    if (x < min_ || x > max_) {
      throw numeric::EntryError("Entry must be between " + std::to_string(min_) + " and " +
                                std::to_string(max_) + ".");
    }
  }
  SetInteger(row, RoundedEntry(text, x));
}

std::unique_ptr<TColumn> TIntColumn::Clone() const {
  auto column = std::make_unique<TIntColumn>();
  CopyCommonDefinition(*column);
  column->default_ = default_;
  column->min_ = min_;
  column->max_ = max_;
  return column;
}

}  // namespace korvex::tables
