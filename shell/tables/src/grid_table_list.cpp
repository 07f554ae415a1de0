#include "korvex/tables/grid_table_list.h"

#include "korvex/tables/grid_table.h"
#include "korvex/tables/table_registry.h"

namespace korvex::tables {

void TGridTableList::AddTable(const TGridTable& table) {
  AddByPosition(registry_->PositionOf(table));
}

TGridTable* TGridTableList::Get(int i) const {
  if (i < 0 || i >= Count()) return nullptr;
  const Entry& e = entries_[static_cast<std::size_t>(i)];
  if (e.by_position) return registry_->At(e.value);
  return e.value < 0 ? nullptr : registry_->FindByIdentifier(e.value);
}

int TGridTableList::GetId(int i) const {
  if (i < 0 || i >= Count()) return -1;
  const Entry& e = entries_[static_cast<std::size_t>(i)];
  if (!e.by_position) return e.value;
  const TGridTable* table = registry_->At(e.value);
  return table != nullptr ? table->Identifier() : -1;
}

void TGridTableList::Delete(int i) {
  if (i >= 0 && i < Count()) entries_.erase(entries_.begin() + i);
}

void TGridTableList::Resize(int count) {
  entries_.resize(static_cast<std::size_t>(count < 0 ? 0 : count), Entry{false, -1});
}

}  // namespace korvex::tables
