#include "korvex/tables/string_column.h"

#include "korvex/tables/definition_reader.h"
#include "korvex/tables/definition_writer.h"

namespace korvex::tables {

std::unique_ptr<TColumn> TStringColumn::Read(DefinitionReader& reader, TGridTable&) {
  auto column = std::make_unique<TStringColumn>();
  column->ReadCommonDefinition(reader);
  column->default_ = reader.ReadString();
  column->extra_real_ = reader.ReadFloat();
  return column;
}

void TStringColumn::WriteOwnDefinition(DefinitionWriter& writer) const {
  writer.WriteString(default_);
  writer.WriteFloat(extra_real_);
}

void TStringColumn::InsertRows(int at, int count) {
  InsertCells(cells_, at, count, default_);
}

void TStringColumn::DeleteRow(int row) {
  CheckRow(row);
  cells_.erase(cells_.begin() + row);
}

std::string TStringColumn::GetText(int row) const {
  CheckRow(row);
  return cells_[static_cast<std::size_t>(row)];
}

void TStringColumn::SetText(int row, std::string_view text) {
  const auto [first, last] = TargetRows(row);
  for (int r = first; r <= last; ++r) {
    std::string& cell = cells_[static_cast<std::size_t>(r)];
    if (cell == text) continue;
    cell = text;
    Notify(r);
  }
}

std::unique_ptr<TColumn> TStringColumn::Clone() const {
  auto column = std::make_unique<TStringColumn>();
  CopyCommonDefinition(*column);
  column->default_ = default_;
  column->extra_real_ = extra_real_;
  return column;
}

}  // namespace korvex::tables
