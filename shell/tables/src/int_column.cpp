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
  InsertCells(cells_, at, count, default_);
}

void TIntColumn::DeleteRow(int row) {
  CheckRow(row);
  cells_.erase(cells_.begin() + row);
}

int TIntColumn::GetInteger(int row) const {
  CheckRow(row);
  return cells_[static_cast<std::size_t>(row)];
}

void TIntColumn::SetInteger(int row, int n) {
  const auto [first, last] = TargetRows(row);
  for (int r = first; r <= last; ++r) {
    int& cell = cells_[static_cast<std::size_t>(r)];
    if (cell == n) continue;
    cell = n;
    Notify(r);
  }
}

std::string TIntColumn::GetText(int row) const {
  return std::to_string(GetInteger(row));
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
