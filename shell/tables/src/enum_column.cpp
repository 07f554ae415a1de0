#include "korvex/tables/enum_column.h"

#include <cmath>

#include "korvex/numeric/evaluator.h"
#include "korvex/numeric/numeric_error.h"
#include "korvex/tables/definition_reader.h"
#include "korvex/tables/definition_writer.h"

namespace korvex::tables {

std::unique_ptr<TColumn> TEnumColumn::Read(DefinitionReader& reader, TGridTable&) {
  auto column = std::make_unique<TEnumColumn>();
  column->ReadCommonDefinition(reader);
  reader.ReadListBegin();
  while (!reader.EndOfList()) column->items_.push_back(reader.ReadString());
  reader.ReadListEnd();
  return column;
}

void TEnumColumn::WriteOwnDefinition(DefinitionWriter& writer) const {
  writer.WriteListBegin();
  for (const auto& item : items_) writer.WriteString(item);
  writer.WriteListEnd();
}

void TEnumColumn::InsertRows(int at, int count) {
  InsertCells(cells_, at, count, 1);
}

void TEnumColumn::DeleteRow(int row) {
  CheckRow(row);
  cells_.erase(cells_.begin() + row);
}

int TEnumColumn::GetInteger(int row) const {
  CheckRow(row);
  return cells_[static_cast<std::size_t>(row)];
}

void TEnumColumn::SetInteger(int row, int n) {
  const auto [first, last] = TargetRows(row);
  for (int r = first; r <= last; ++r) {
    int& cell = cells_[static_cast<std::size_t>(r)];
    if (cell == n) continue;
    cell = n;
    Notify(r);
  }
}

std::string TEnumColumn::GetText(int row) const {
  return std::to_string(GetInteger(row));
}

void TEnumColumn::SetText(int row, std::string_view text) {
  CheckRow(row);
  const long double x = numeric::Evaluate(text);
  if (x != std::trunc(x)) throw numeric::EntryError("Value must be an integer.");
  SetInteger(row, RoundedEntry(text, x));
}

std::unique_ptr<TColumn> TEnumColumn::Clone() const {
  auto column = std::make_unique<TEnumColumn>();
  CopyCommonDefinition(*column);
  column->items_ = items_;
  return column;
}

}  // namespace korvex::tables
