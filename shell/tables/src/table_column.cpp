#include "korvex/tables/table_column.h"

#include <iterator>

#include "korvex/tables/definition_reader.h"
#include "korvex/tables/definition_writer.h"
#include "korvex/tables/enum_column.h"
#include "korvex/tables/grid_table.h"
#include "korvex/tables/table_registry.h"

namespace korvex::tables {
namespace {

constexpr std::string_view kMarker = "FLEXCOLUMN2";

// The table's first column when it is a choice column.
const TEnumColumn* ChoiceColumn(const TGridTable& table) {
  if (table.ColumnCount() == 0) return nullptr;
  return dynamic_cast<const TEnumColumn*>(&table.Column(0));
}

}  // namespace

std::unique_ptr<TColumn> TTableColumn::Read(DefinitionReader& reader, TGridTable& table) {
  auto column = std::make_unique<TTableColumn>(table.Registry());
  column->ReadCommonDefinition(reader);
  TGridTableList& list = column->prototypes_;
  if (reader.NextValue() == DefinitionReader::Kind::kString && reader.ReadString() == kMarker) {
    reader.ReadListBegin();
    while (!reader.EndOfList()) list.AddByIdentifier(reader.ReadInteger());
    reader.ReadListEnd();
    return column;
  }
  // Old form: one table position (after any other string).
  const int position = reader.ReadInteger();
  const TEnumColumn* choice = ChoiceColumn(table);
  if (choice != nullptr && !table.SharedPrototypes()) {
    for (int i = 1; i <= static_cast<int>(choice->Items().size()); ++i) list.AddByPosition(i);
  } else {
    list.AddByPosition(position);
  }
  return column;
}

void TTableColumn::WriteOwnDefinition(DefinitionWriter& writer) const {
  writer.WriteString(kMarker);
  writer.WriteListBegin();
  for (int i = 0; i < prototypes_.Count(); ++i) writer.WriteInteger(prototypes_.GetId(i));
  writer.WriteListEnd();
}

std::unique_ptr<RowObject> TTableColumn::CreateRowObject(int row) {
  TGridTable* table = Table();
  if (table == nullptr) return nullptr;
  const TEnumColumn* choice = ChoiceColumn(*table);
  const int entry = choice != nullptr ? choice->GetInteger(row) - 1 : 0;
  if (const TGridTable* prototype = prototypes_.Get(entry)) {
    return prototype->CreateFromPrototype(*table, row + 1);
  }
  if (table->on_init_row) return table->on_init_row(*table, Index(), row);
  return nullptr;
}

void TTableColumn::Renumber(int from) {
  for (int r = from; r < RowCount(); ++r) {
    if (TGridTable* sub = GetSubTable(r)) sub->SetNumber(r + 1);
  }
}

void TTableColumn::InsertRows(int at, int count) {
  std::vector<std::unique_ptr<RowObject>> fresh(static_cast<std::size_t>(count));
  cells_.insert(cells_.begin() + at, std::make_move_iterator(fresh.begin()),
                std::make_move_iterator(fresh.end()));
  for (int r = at; r < at + count; ++r) cells_[static_cast<std::size_t>(r)] = CreateRowObject(r);
  Renumber(at + count);
}

void TTableColumn::DeleteRow(int row) {
  CheckRow(row);
  cells_.erase(cells_.begin() + row);
  Renumber(row);
}

void TTableColumn::RecreateRowObject(int row) {
  CheckRow(row);
  auto& cell = cells_[static_cast<std::size_t>(row)];
  cell.reset();
  cell = CreateRowObject(row);
}

TGridTable* TTableColumn::GetSubTable(int row) const {
  return dynamic_cast<TGridTable*>(GetObject(row));
}

RowObject* TTableColumn::GetObject(int row) const {
  CheckRow(row);
  return cells_[static_cast<std::size_t>(row)].get();
}

bool TTableColumn::IsChanged() const {
  const TGridTable* table = Table();
  for (const auto& cell : cells_) {
    if (cell == nullptr) continue;
    if (const auto* sub = dynamic_cast<const TGridTable*>(cell.get())) {
      if (sub->IsChanged()) return true;
    } else if (table != nullptr && table->on_get_changed && table->on_get_changed(*cell)) {
      return true;
    }
  }
  return false;
}

void TTableColumn::ResetChanged() {
  const TGridTable* table = Table();
  for (const auto& cell : cells_) {
    if (cell == nullptr) continue;
    if (auto* sub = dynamic_cast<TGridTable*>(cell.get())) {
      sub->ResetChanged();
    } else if (table != nullptr && table->on_reset_changed) {
      table->on_reset_changed(*cell);
    }
  }
}

void TTableColumn::SetUnits(int, int to) {
  const TGridTable* table = Table();
  for (const auto& cell : cells_) {
    if (cell == nullptr) continue;
    if (auto* sub = dynamic_cast<TGridTable*>(cell.get())) {
      sub->SetUnits(to);
    } else if (table != nullptr && table->on_set_units) {
      table->on_set_units(*cell, to);
    }
  }
}

std::string TTableColumn::ButtonCaption(int row) const {
  CheckRow(row);
  if (Table() != nullptr && Table()->on_get_button_caption) {
    return Table()->on_get_button_caption(*Table(), Index(), row);
  }
  std::string caption = std::to_string(row + 1) + ": ";
  if (const TGridTable* sub = GetSubTable(row)) caption += sub->Caption();
  return caption;
}

std::unique_ptr<TColumn> TTableColumn::Clone() const {
  auto column = std::make_unique<TTableColumn>(prototypes_);
  CopyCommonDefinition(*column);
  return column;
}

}  // namespace korvex::tables
