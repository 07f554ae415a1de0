#include "korvex/tables/grid_table.h"

#include <algorithm>
#include <stdexcept>

#include "korvex/tables/definition_reader.h"
#include "korvex/tables/definition_writer.h"
#include "korvex/tables/enum_column.h"
#include "korvex/tables/table_column.h"
#include "korvex/tables/table_error.h"
#include "korvex/tables/table_observer.h"
#include "korvex/tables/table_registry.h"

namespace korvex::tables {

TGridTable::TGridTable(TableRegistry& registry, TGridTable* owner)
    : registry_(&registry), owner_(owner), unit_system_(owner ? owner->UnitSystem() : 1) {
  identifier_ = registry_->Register(*this);
}

TGridTable::~TGridTable() {
  if (observer_ != nullptr) observer_->TableDestroyed(*this);
  columns_.clear();  // sub-tables leave the registry before this table
  registry_->Unregister(*this);
}

void TGridTable::SetIdentifier(int identifier) {
  registry_->Reassign(*this, identifier);
  identifier_ = identifier;
}

void TGridTable::SetMinRows(int n) {
  if (n <= 0) {
    if (!loading_) throw TableError("Value must be greater than 0");
    n = 1;
  }
  min_rows_ = n;
}

void TGridTable::AddColumn(std::unique_ptr<TColumn> column) {
  column->Attach(this, ColumnCount());
  columns_.push_back(std::move(column));
  if (row_count_ > 0) columns_.back()->InsertRows(0, row_count_);
}

TTableColumn* TGridTable::FirstTableColumn() const noexcept {
  for (const auto& c : columns_) {
    if (auto* t = dynamic_cast<TTableColumn*>(c.get())) return t;
  }
  return nullptr;
}

bool TGridTable::HasVisibleColumn() const noexcept {
  return std::any_of(columns_.begin(), columns_.end(), [](const auto& c) { return c->Visible(); });
}

void TGridTable::InsertRows(int at, int count) {
  if (count <= 0) return;
  if (observer_ != nullptr) observer_->RowsAboutToChange(*this);
  // Columns in order: a sub-table column reads the new row's choice, a
  // top-depth pair reads its partner.
  for (const auto& c : columns_) c->InsertRows(at, count);
  row_count_ += count;
  if (observer_ != nullptr) observer_->RowsChanged(*this);
}

void TGridTable::DeleteRows(int at, int count) {
  if (count <= 0) return;
  if (observer_ != nullptr) observer_->RowsAboutToChange(*this);
  for (int k = 0; k < count; ++k) {
    for (const auto& c : columns_) c->DeleteRow(at);
    --row_count_;
  }
  if (observer_ != nullptr) observer_->RowsChanged(*this);
}

void TGridTable::SetRowCount(int n) {
  n = std::max(0, n);
  if (n < row_count_) DeleteRows(n, row_count_ - n);
  while (row_count_ < n) InsertRows(row_count_, std::min(row_group_, n - row_count_));
}

void TGridTable::AppendGroup() {
  InsertRows(row_count_, row_group_);
  changed_ = true;
}

void TGridTable::InsertGroup(int row) {
  if (row < 0 || row > row_count_) throw std::out_of_range("table row out of range");
  InsertRows(row / row_group_ * row_group_, row_group_);
  changed_ = true;
}

void TGridTable::DeleteGroup(int row) {
  if (row < 0 || row >= row_count_) throw std::out_of_range("table row out of range");
  const int first = row / row_group_ * row_group_;
  DeleteRows(first, std::min(row_group_, row_count_ - first));
  changed_ = true;
}

TData TGridTable::Cell(int column, int row) const {
  TColumn& c = Column(column);
  if (row < 0 || row >= row_count_) throw std::out_of_range("table row out of range");
  return TData(c, row);
}

void TGridTable::SetUnits(int system) {
  system = std::clamp(system, 1, 3);
  if (system == unit_system_) return;
  const int from = unit_system_;
  unit_system_ = system;
  for (const auto& c : columns_) c->SetUnits(from, system);
}

std::string TGridTable::WindowCaption() const {
  std::vector<int> numbers;
  for (const TGridTable* t = this; t != nullptr && t->owner_ != nullptr; t = t->owner_) {
    numbers.push_back(t->number_);
  }
  std::string caption = caption_;
  for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
    caption += ' ';
    caption += std::to_string(*it);
  }
  return caption;
}

bool TGridTable::IsChanged() const {
  return changed_ || std::any_of(columns_.begin(), columns_.end(),
                                 [](const auto& c) { return c->IsChanged(); });
}

void TGridTable::ResetChanged() {
  changed_ = false;
  for (const auto& c : columns_) c->ResetChanged();
}

void TGridTable::ColumnChanged(int column, int row) {
  changed_ = true;
  if (column == 0 && dynamic_cast<const TEnumColumn*>(columns_[0].get()) != nullptr) {
    if (TTableColumn* sub = FirstTableColumn()) sub->RecreateRowObject(row);
  }
  if (observer_ != nullptr) observer_->CellChanged(*this, column, row);
}

std::unique_ptr<TGridTable> TGridTable::NewEmpty(TGridTable* owner) const {
  return std::make_unique<TGridTable>(*registry_, owner);
}

std::unique_ptr<TGridTable> TGridTable::CreateFromPrototype(TGridTable& owner, int number) const {
  std::unique_ptr<TGridTable> table = NewEmpty(&owner);
  table->caption_ = caption_;
  table->comments_ = comments_;
  table->top_left_ = top_left_;
  table->help_picture_ = help_picture_;
  table->min_rows_ = min_rows_;
  table->max_rows_ = max_rows_;
  table->row_group_ = row_group_;
  CopyPrototypeProperties(*table);
  for (const auto& c : columns_) table->AddColumn(c->Clone());
  table->number_ = number;
  table->SetRowCount(min_rows_);
  return table;
}

void TGridTable::FitPrototypeLists() {
  const auto* choice =
      columns_.empty() ? nullptr : dynamic_cast<const TEnumColumn*>(columns_[0].get());
  const int entries = choice != nullptr ? static_cast<int>(choice->Items().size()) : 1;
  for (const auto& c : columns_) {
    if (auto* t = dynamic_cast<TTableColumn*>(c.get())) t->Prototypes().Resize(entries);
  }
}

void TGridTable::ReadColumns(DefinitionReader& reader) {
  if (row_count_ > 0) SetRowCount(0);
  columns_.clear();
  int count = 0;
  try {
    count = reader.ReadInteger();
  } catch (const DefinitionError& e) {
    throw DefinitionError("Error reading column count", e.Line());
  }
  if (count < 0) throw DefinitionError("Error reading column count", reader.Line());
  for (int i = 0; i < count; ++i) {
    const int line = reader.Line();
    const auto wrapped = [&](const std::exception& e) {
      const auto* d = dynamic_cast<const DefinitionError*>(&e);
      return DefinitionError(
          "Error occured when creating column " + std::to_string(i) + ": " + e.what(),
          d != nullptr ? d->Line() : line);
    };
    int code = 0;
    try {
      code = reader.ReadInteger();
    } catch (const DefinitionError& e) {
      throw wrapped(e);
    }
    const ColumnTypes::Factory* factory = registry_->Columns().Find(code);
    if (factory == nullptr) throw DefinitionError("Error Column Class not defined", line);
    std::unique_ptr<TColumn> column;
    try {
      column = (*factory)(reader, *this);
    } catch (const std::exception& e) {
      throw wrapped(e);
    }
    AddColumn(std::move(column));
    FitPrototypeLists();
  }
  ReadColumnsTail(reader);
}

void TGridTable::WriteColumns(DefinitionWriter& writer) const {
  writer.WriteInteger(ColumnCount());
  for (const auto& c : columns_) {
    writer.NewLine();
    writer.WriteInteger(c->TypeCode());
    c->WriteDefinition(writer);
  }
  WriteColumnsTail(writer);
}

bool TGridTable::ReadProperty(std::string_view name, DefinitionReader& reader) {
  if (name == "Comments") {
    comments_ = reader.ReadString();
  } else if (name == "Identifier") {
    SetIdentifier(reader.ReadInteger());
  } else if (name == "Caption") {
    caption_ = reader.ReadString();
  } else if (name == "MaxRows") {
    max_rows_ = reader.ReadInteger();
  } else if (name == "MinRows") {
    SetMinRows(reader.ReadInteger());
  } else if (name == "HelpPicture") {
    help_picture_ = reader.ReadString();
  } else if (name == "HardwiredButton") {
    hardwired_button_ = reader.ReadBoolean();
  } else if (name == "RowGroup") {
    SetRowGroup(reader.ReadInteger());
  } else if (name == "TopLeft") {
    top_left_ = reader.ReadString();
  } else if (name == "SharedPrototypes") {
    shared_prototypes_ = reader.ReadBoolean();
  } else if (name == "Col") {
    reader.ReadSymbol('{');
    ReadColumns(reader);
    reader.ReadSymbol('}');
  } else {
    return false;
  }
  return true;
}

void TGridTable::WritePropertyName(DefinitionWriter& writer, std::string_view name) {
  writer.NewLine();
  writer.WriteName(name);
  writer.WriteSymbol('=');
}

void TGridTable::WriteProperties(DefinitionWriter& writer) const {
  if (!comments_.empty()) {
    WritePropertyName(writer, "Comments");
    writer.WriteString(comments_);
  }
  WritePropertyName(writer, "Identifier");
  writer.WriteInteger(identifier_);
  if (!caption_.empty()) {
    WritePropertyName(writer, "Caption");
    writer.WriteString(caption_);
  }
  if (max_rows_ != 0) {
    WritePropertyName(writer, "MaxRows");
    writer.WriteInteger(max_rows_);
  }
  if (min_rows_ != 1) {
    WritePropertyName(writer, "MinRows");
    writer.WriteInteger(min_rows_);
  }
  if (!help_picture_.empty()) {
    WritePropertyName(writer, "HelpPicture");
    writer.WriteString(help_picture_);
  }
  if (hardwired_button_) {
    WritePropertyName(writer, "HardwiredButton");
    writer.WriteBoolean(true);
  }
  WriteClassProperties(writer);
  if (row_group_ != 1) {
    WritePropertyName(writer, "RowGroup");
    writer.WriteInteger(row_group_);
  }
  if (!top_left_.empty()) {
    WritePropertyName(writer, "TopLeft");
    writer.WriteString(top_left_);
  }
  if (shared_prototypes_) {
    WritePropertyName(writer, "SharedPrototypes");
    writer.WriteBoolean(true);
  }
  WritePropertyName(writer, "Col");
  writer.WriteSymbol('{');
  writer.Indent(1);
  writer.NewLine();
  WriteColumns(writer);
  writer.Indent(-1);
  writer.NewLine();
  writer.WriteSymbol('}');
}

}  // namespace korvex::tables
