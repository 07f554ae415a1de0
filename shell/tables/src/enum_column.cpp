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
  InsertValues(at, count, 1);
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
